// The wastewater calculators without windows: the COD–BOD5 lines, the
// tannery's single and double products, and the hospital, service-area and
// metal-finishing estimators with their kept values and failures.
#include "common/number_text.h"
#include "water/cod_bod.h"
#include "water/tannery.h"
#include "water/wastewater_estimates.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

QString bod5Text(const QString &cod, int row)
{
    const std::optional<double> bod5 = bod5FromCod(cod, codBodLines().at(row));
    return bod5 ? DoubleText(*bod5) : QStringLiteral("none");
}

TEST(CodBod, EachLineGivesItsBod5)
{
    const QStringList at100 = {"29.12", "12.96", "170.43", "39.59", "74.96", "77.43", "33.98", "65.62"};
    const QStringList at0 = {"1.8", "0.11", "131.21", "-2.49", "13.7", "17.51", "-0.41", "17.02"};
    ASSERT_EQ(codBodLines().size(), 8u);
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(bod5Text("100", row), at100[row]) << row;
        EXPECT_EQ(bod5Text("0", row), at0[row]) << row;
    }
    EXPECT_EQ(bod5Text("5", 3), "-0.386");
    EXPECT_EQ(bod5Text("1", 0), "2.0732");
    EXPECT_EQ(bod5Text("10", 0), "4.532");
}

TEST(CodBod, TextsThatAreNoNumberGiveNothing)
{
    for (const char *cod : {"", "-", "abc", "1e400", "1,,0"})
        EXPECT_EQ(bod5Text(cod, 0), "none") << cod;
}

struct TanneryCase
{
    const char *name;
    QString amount;
    QString hide;
    TanneryResults expected;
};

TEST(Tannery, WholeCoefficientsGiveSinglesAndDecimalOnesDoubles)
{
    const TanneryCase cases[] = {
        {"10 t of salted pig hide", "10", "猪盐湿皮",
         {{"1230", "2474", "840", "1695", "76", "26"}, {"1050", "1883", "675", "1220", "55", "18"}}},
        // 12.3 as a single is 12.30000019...: singles round it away, doubles
        // show it.
        {"12.3 t of salted pig hide", "12.3", "猪盐湿皮",
         {{"1512.9", "3043.02004718781", "1033.2", "2084.85003232956", "93.480001449585", "31.9800004959106"},
          {"1291.5", "2316.09003591537", "830.250012874603", "1500.6", "67.6500010490417", "22.1400003433228"}}},
        {"10 t of dry sheep skin", "10", "羊干皮",
         {{"3120", "3410", "1110", "1237", "51", "6.5"}, {"2750", "2640", "944", "921", "39", "5"}}},
        {"10 t of dry cattle hide", "10", "牛干皮",
         {{"1400", "3010", "1068", "2610", "56", "35"}, {"1140", "2229", "757", "1873", "41", "25"}}},
        {"a whole-number product of 8 digits keeps 7", "123456", "猪盐湿皮",
         {{"1.518509E+07", "30543014.4", "1.03703E+07", "20925792", "938265.6", "320985.6"},
          {"1.296288E+07", "23246764.8", "8333280", "1.506163E+07", "679008", "222220.8"}}},
    };
    for (const TanneryCase &c : cases) {
        TanneryCalculator calculator;
        const TanneryResults r = calculator.press({.hideAmount = c.amount, .hide = c.hide});
        const QStringList got = {r.produced.wastewater, r.produced.cod, r.produced.bod5, r.produced.ss,
                                 r.produced.sulfide, r.produced.chromium, r.discharged.wastewater,
                                 r.discharged.cod, r.discharged.bod5, r.discharged.ss,
                                 r.discharged.sulfide, r.discharged.chromium};
        const TanneryAmounts &p = c.expected.produced;
        const TanneryAmounts &d = c.expected.discharged;
        const QStringList want = {p.wastewater, p.cod, p.bod5, p.ss, p.sulfide, p.chromium,
                                  d.wastewater, d.cod, d.bod5, d.ss, d.sulfide, d.chromium};
        EXPECT_EQ(got, want) << c.name;
    }
}

TEST(Tannery, KeptAmountUnknownHideAndOverflow)
{
    TanneryCalculator calculator;
    // Nothing chosen: zeros, though M is stored.
    TanneryResults r = calculator.press({.hideAmount = "10", .hide = ""});
    EXPECT_EQ(r.produced.wastewater, "0");
    EXPECT_EQ(r.discharged.chromium, "0");
    EXPECT_EQ(calculator.hideAmount, 10.0f);
    // A typed text near an item is no item; the comparison is exact.
    EXPECT_EQ(calculator.press({.hideAmount = "10", .hide = "猪盐湿皮 "}).produced.cod, "0");
    // An amount that is no number keeps M.
    for (const char *amount : {"", "abc", "-", "1e39"}) {
        r = calculator.press({.hideAmount = amount, .hide = "猪盐湿皮"});
        EXPECT_EQ(r.produced.wastewater, "1230") << amount;
    }
    // A single product beyond the single range is infinite; doubles are not.
    r = calculator.press({.hideAmount = "3e36", .hide = "羊干皮"});
    EXPECT_EQ(r.produced.wastewater, kInfiniteText.toString());
    EXPECT_EQ(r.produced.ss, "3.71100005384324E+38");
}

TEST(Hospital, WorkedExamplesAndKeptValues)
{
    HospitalWastewater h;
    h.press({.size = "400床以上", .beds = "100"});
    EXPECT_EQ(SingleText(h.water), "36500");
    EXPECT_EQ(SingleText(h.wastewater), "29200");
    EXPECT_EQ(SingleText(h.bod5), "2.19");
    EXPECT_EQ(SingleText(h.ss), "2.0075");
    EXPECT_EQ(SingleText(h.ammonia), "0.5475");

    h.press({.size = "200-400床", .beds = "250"});
    EXPECT_EQ(SingleText(h.water), "63875");
    EXPECT_EQ(SingleText(h.wastewater), "51100");
    h.press({.size = "200床以下", .beds = "100"});
    EXPECT_EQ(SingleText(h.water), "9125");
    EXPECT_EQ(SingleText(h.wastewater), "7300");

    // A size none of the list keeps W and Q; the loads follow n.
    h.press({.size = "", .beds = "200"});
    EXPECT_EQ(SingleText(h.water), "9125");
    EXPECT_EQ(SingleText(h.bod5), "4.38");
    // A bed count that is no number keeps all five.
    h.press({.size = "400床以上", .beds = "x"});
    EXPECT_EQ(SingleText(h.water), "9125");
    EXPECT_EQ(SingleText(h.bod5), "4.38");

    HospitalWastewater first;
    first.press({.size = "", .beds = "100"});
    EXPECT_EQ(SingleText(first.water), "0");
    EXPECT_EQ(SingleText(first.ammonia), "0.5475");
}

QStringList serviceTexts(const ServiceAreaResults &r)
{
    QStringList texts;
    for (const std::optional<double> &v : {r.domesticFlow, r.domesticLoad, r.washFlow, r.washLoad})
        texts << (v ? DoubleText(*v) : QStringLiteral("kept"));
    return texts;
}

TEST(ServiceArea, DefaultsKeptValuesAndTraffic)
{
    ServiceAreaInputs in{.persons = "100", .coefficient = "0.75", .quota = "100", .traffic = "20000",
                         .washWater = "450", .domesticConc = "500", .washConc = "100"};
    ServiceAreaWastewater area;
    EXPECT_EQ(serviceTexts(area.press(in)), QStringList({"7.5", "3.75", "180", "18"}));
    in.coefficient = "0.5";
    EXPECT_EQ(serviceTexts(area.press(in)), QStringList({"5", "2.5", "180", "18"}));
    // The single of 0.7 shows in the double product.
    in.coefficient = "0.7";
    EXPECT_EQ(serviceTexts(area.press(in)).value(0), "6.99999988079071");
    // A coefficient that is no number keeps the last good one.
    in.coefficient = "abc";
    EXPECT_EQ(serviceTexts(area.press(in)).value(0), "6.99999988079071");
    // No traffic: the washing results fail, the domestic ones do not.
    in.coefficient = "0.75";
    in.traffic = "";
    EXPECT_EQ(serviceTexts(area.press(in)), QStringList({"7.5", "3.75", "kept", "kept"}));
    in.traffic = "1e308";
    EXPECT_EQ(serviceTexts(area.press(in)), QStringList({"7.5", "3.75", "kept", "kept"}));
    in.persons = "0";
    in.traffic = "0";
    EXPECT_EQ(serviceTexts(area.press(in)), QStringList({"0", "0", "0", "0"}));
}

TEST(MetalFinishing, ReportsOfTheThreeTrades)
{
    EXPECT_EQ(metalFinishingNote("氰化电镀"), "请输入氰化物用量");
    EXPECT_EQ(metalFinishingNote("镀铬"), "请输入氰化物用量");
    EXPECT_EQ(metalFinishingNote("线路板生产"), "线路板的面积:M^2");

    const std::optional<QStringList> cyanide = metalFinishingReport("氰化电镀", "100");
    ASSERT_TRUE(cyanide);
    EXPECT_EQ(cyanide->join('\n'), "氰化电镀产生的污染物:\n"
                                   "    氰化物(液)=9.5；  铜=1.9 ；  镍=2.5；  锌=2.5\n"
                                   "    排污量的单位与氰化物用量一致");

    const std::optional<QStringList> chrome = metalFinishingReport("镀铬", "10");
    ASSERT_TRUE(chrome);
    EXPECT_EQ(chrome->size(), 4);
    EXPECT_EQ(chrome->value(1), "    高铬纯化排放铬为:3.8");
    EXPECT_EQ(chrome->value(2), "    低铬纯化排放的铬量为:3.4");

    const std::optional<QStringList> boards = metalFinishingReport("线路板生产", "7");
    ASSERT_TRUE(boards);
    ASSERT_EQ(boards->size(), 11);
    EXPECT_EQ(boards->value(2), "    平均排放废水：4.62吨；");
    EXPECT_EQ(boards->value(3), "    排放废水量在2.24—9.66之间波动；");
    EXPECT_EQ(boards->value(5), "    铜的排放量在：0.14—0.49之间波动。");
    EXPECT_EQ(boards->value(6), "    当生产双面板时,排放的污染物的量为：");
    EXPECT_EQ(boards->value(8), "    排放废水量在：4.41—19.32之间波动；");
    EXPECT_EQ(boards->value(10), "    铜的排放量在0.28—0.98之间波动。");

    // Nothing for an unknown trade, a quantity that is no number, and an
    // amount beyond the single range.
    EXPECT_FALSE(metalFinishingReport("", "100"));
    EXPECT_FALSE(metalFinishingReport("镀铬", ""));
    EXPECT_FALSE(metalFinishingReport("镀铬", "abc"));
    EXPECT_FALSE(metalFinishingReport("镀铬", "1e39"));
    EXPECT_TRUE(metalFinishingReport("镀铬", "-5"));
}

} // namespace
