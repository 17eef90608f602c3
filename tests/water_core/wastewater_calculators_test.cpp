// The wastewater calculators without windows: the COD–BOD5 lines, the
// tannery's single and double products, and the hospital, service-area and
// metal-finishing estimators with their kept values and failures.
#include "common/numbers/number_text.h"
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

TEST(CodBod, TextsThatAreNoNumberGiveNothing)
{
    for (const char *cod : {"", "-", "abc", "1e400", "1,,0"})
        EXPECT_EQ(bod5Text(cod, 0), "none") << cod;
}

// A whole-number product of 8 digits as a single keeps 7 in the exponent form.
TEST(Tannery, LargeSingleProductsTakeTheExponentForm)
{
    TanneryCalculator calculator;
    const TanneryResults r = calculator.press({.hideAmount = "123456", .hide = "猪盐湿皮"});
    const TanneryAmounts &p = r.produced, &d = r.discharged;
    EXPECT_EQ(QStringList({p.wastewater, p.cod, p.bod5, p.ss, p.sulfide, p.chromium}),
              QStringList({"1.518509E+07", "30543014.4", "1.03703E+07", "20925792", "938265.6", "320985.6"}));
    EXPECT_EQ(QStringList({d.wastewater, d.cod, d.bod5, d.ss, d.sulfide, d.chromium}),
              QStringList({"1.296288E+07", "23246764.8", "8333280", "1.506163E+07", "679008", "222220.8"}));
}

TEST(Tannery, KeptAmountUnknownHideAndOverflow)
{
    TanneryCalculator calculator;
    // Nothing chosen: zeros (the window's case), though M is stored.
    TanneryResults r = calculator.press({.hideAmount = "10", .hide = ""});
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

TEST(Hospital, KeptValues)
{
    HospitalWastewater h;
    h.press({.size = "200床以下", .beds = "100"});  // W 9125, as the window shows
    // A size none of the list keeps W and Q; the loads follow n.
    h.press({.size = "", .beds = "200"});
    EXPECT_EQ(SingleText(h.water), "9125");
    EXPECT_EQ(SingleText(h.bod5), "4.38");
    // A bed count that is no number keeps all five.
    h.press({.size = "400床以上", .beds = "x"});
    EXPECT_EQ(SingleText(h.water), "9125");
    EXPECT_EQ(SingleText(h.bod5), "4.38");
    // Beyond the single range a value is infinite, shown as such.
    h.press({.size = "400床以上", .beds = "1e300"});
    EXPECT_EQ(SingleText(h.water), kInfiniteText.toString());
    EXPECT_EQ(SingleText(h.bod5), kInfiniteText.toString());
}

QStringList serviceTexts(const ServiceAreaResults &r)
{
    QStringList texts;
    for (const std::optional<double> &v : {r.domesticFlow, r.domesticLoad, r.washFlow, r.washLoad})
        texts << (v ? DoubleText(*v) : QStringLiteral("kept"));
    return texts;
}

TEST(ServiceArea, SingleCoefficientKeptValueAndTraffic)
{
    ServiceAreaInputs in{.persons = "100", .coefficient = "0.7", .quota = "100", .traffic = "20000",
                         .washWater = "450", .domesticConc = "500", .washConc = "100"};
    ServiceAreaWastewater area;
    // The single of 0.7 shows in the double product.
    EXPECT_EQ(serviceTexts(area.press(in)).value(0), "6.99999988079071");
    // A coefficient that is no number keeps the last good one.
    in.coefficient = "abc";
    EXPECT_EQ(serviceTexts(area.press(in)).value(0), "6.99999988079071");
    // Traffic beyond the single range: the washing results fail, the domestic ones do not.
    in.coefficient = "0.75";
    in.traffic = "1e308";
    EXPECT_EQ(serviceTexts(area.press(in)), QStringList({"7.5", "3.75", "kept", "kept"}));
}

TEST(MetalFinishing, ReportsThatAreLeft)
{
    // Nothing for an unknown trade or an empty quantity; a negative one is a number.
    EXPECT_FALSE(metalFinishingReport("", "100"));
    EXPECT_FALSE(metalFinishingReport("镀铬", ""));
    EXPECT_TRUE(metalFinishingReport("镀铬", "-5"));
}

} // namespace
