// The unit converter's data file read whole: every category, every relation
// text in list order, and the factor and the two unit texts of each of the
// 54 converting relations, against the table as the converter documents it.
#include "common/data_file.h"
#include "lookups/unit_converter.h"

#include <gtest/gtest.h>
#include <QSet>

using namespace corvalen;

namespace {

struct Relation
{
    QStringView text;
    double factor = 0;  // 0: no conversion
    QStringView fromUnit = {};
    QStringView toUnit = {};
};

struct Category
{
    QStringView name;
    std::vector<Relation> relations;
};

// clang-format off
const std::vector<Category> kExpected = {
    {u"长度单位查询",
     {
         {u"1千米（km）=0.621英里（mile）", 0.621, u"千米（km）", u"英里（mile）"},
         {u"1米（m）=3.281（ft）", 3.281, u"米（m）", u"（ft）"},
         {u"1米（m）=1.094码（yd）", 1.094, u"米（m）", u"码（yd）"},
         {u"1厘米（cm）=0.394英寸（in）", 0.394, u"厘米（cm）", u"英寸（in）"},
         {u"1埃=10^-10米（m）", 1E-10, u"埃", u"米（m）"},
         {u"1英里（mile）=1.609千米（km）", 1.609, u"英里（mile）", u"千米（km）"},
         {u"1英寻（fm）=1.829（m）", 1.829, u"英寻（fm）", u"（m）"},
         {u"1英尺（ft）=0.3048米（m）", 0.3048, u"英尺（ft）", u"（m）"},
         {u"1英寸（in）=2.54厘米（cm）", 2.54, u"英寸（in）", u"厘米（cm）"},
         {u"1海里（n mile）=1.852千米（km）", 1.852, u"海里（n mile）", u"千米（km）"},
         {u"1链=66英尺（ft）=20.1168米", 20.1168, u"链", u"米"},
         {u"1码（yd）=0.9144米（m）", 0.9144, u"码（yd）", u"米（m）"},
         {u"1密耳（mil）=0.0254毫米（mm）", 0.0254, u"密耳（mil）", u"毫米（mm）"},
         {u"1英尺（ft）=12英寸（in）", 12, u"英尺（ft）", u"英寸（in）"},
         {u"1码（yd）=3英尺（ft）", 3, u"码（yd)", u"英尺（ft）"},
         {u"1杆（rad）=16.5英尺（ft）", 16.5, u"杆", u"英尺（ft）"},
         {u"1英里（mile）=5280英尺（ft）", 5280, u"英里（mile）", u"英尺（ft）"},
         {u"1海里（n mile）=1.1516英里（mile）", 1.1516, u"海里（n mile）", u"英里（mile）"},
     }},
    {u"面积单位查询",
     {
         {u"1平方公里（km^2）=100公顷（ha）", 100, u"平方公里（km^2）", u"公顷（ha）"},
         {u"1平方公里（km^2）=247.1英亩（acre）", 247.1, u"平方公里（km^2）", u"英亩（acre）"},
         {u"1平方公里（km^2）=0.386平方英里（mile2）", 0.386, u"平方公里（km^2）", u"平方英里（mile2）"},
         {u"1平方米（m^2）=10.764平方英尺（ft2）", 10.764, u"平方米（m^2)", u"平方英尺（ft2）"},
         {u"1公亩（are）=100平方米（m^2）", 100, u"公亩（are）", u"平方米（m^2）"},
         {u"1公顷（ha）=10000平方米（m^2）", 10000, u"公顷（ha）", u"平方米（m^2）"},
         {u"1公顷（ha）=2.471英亩（acre）", 2.471, u"公顷（ha）", u"英亩（acre）"},
         {u"1平方英里（mile2）=2.590平方公里（km^2）", 2.59, u"平方英里（mile2）", u"平方公里（km^2）"},
         {u"1英亩（acre）=0.4047公顷（ha）", 0.4047, u"英亩（acre）", u"公顷（ha）"},
         {u"1英亩（acre）=4.047×10^-3平方公里（km^2）", 0.004047, u"英亩（acre）", u"平方公里（km^2）"},
         {u"1英亩（acre）=4047平方米（m^2）", 4047, u"英亩（acre）", u"平方米（m^2）"},
         {u"1平方英尺（ft^2）=0.093平方米(m^2)", 0.093, u"平方英尺（ft^2）", u"平方米(m^2)"},
         {u"1平方英寸（in^2）=6.452平方厘米（cm^2）", 6.452, u"平方英寸（in^2）", u"平方厘米（cm^2）"},
         {u"1平方码（yd^2）=0.8361平方米（m^2）", 0.8361, u"平方码（yd^2）", u"平方米（m^2）"},
     }},
    {u"体积单位查询",
     {
         {u"1立方米（m^3）=1000升（liter）", 1000, u"立方米（m^3）", u"升（liter）"},
         {u"1立方米（m^3）=35.315立方英尺（ft^3）", 35.315, u"立方米（m^3）", u"立方英尺（ft^3）"},
         {u"1立方米（m^3）=6.29桶（bbl）", 6.29, u"立方米（m^3）", u"桶（bbl）"},
         {u"1立方英尺（ft3）=0.0283立方米（m^3）", 0.0283, u"立方英尺（ft3）", u"立方米（m^3）"},
         {u"1立方英尺（ft^3）=28.317升（liter）", 28.317, u"立方英尺（ft^3）", u"升（liter）"},
         {u"1千立方英尺（mcf）=28.317立方米（m^3）", 28.317, u"千立方英尺", u"立方米（m^3）"},
         {u"1百万立方英尺（MMcf）＝2.8317万立方米（m^3）", 2.8317, u"百万立方英尺（MMcf）", u"万立方米（m^3）"},
         {u"10亿立方英尺（bcf）=2831.7万立方米（m^3）", 2831.7, u"10亿立方英尺（bcf）", u"万立方米（m^3）"},
         {u"1万亿立方英尺（tcf）=283.17亿立方米（m^3）", 283.17, u"1万亿立方英尺（tcf）", u"亿立方米（m^3）"},
         {u"1立方英寸（in3）=16.3871立方厘米（cm^3）", 16.3871, u"立方英寸（in3）", u"立方厘米（cm^3）"},
         {u"1英亩·英尺＝1234立方米（m^3）", 1234, u"英亩·英尺", u"立方米（m^3）"},
         {u"1桶（bbl）=0.159立方米（m^3）", 0.159, u"桶（bbl）", u"立方米（m^3）"},
         {u"1桶（bbl）=42美加仑（gal）", 42, u"桶（bbl）", u"美加仑（gal）"},
         {u"1美加仑（gal）=3.785升（1）", 3.785, u"美加仑（gal）", u"升（1）"},
         {u"1美夸脱（qt）=0.946升（1）", 0.946, u"美夸脱（qt）", u"升（1）"},
         {u"1美品脱（pt）=0.473升（1）", 0.473, u"美品脱（pt）", u"升（1）"},
         {u"1美吉耳（gi）=0.118升（1）", 0.118, u"美吉耳（gi）", u"升（1）"},
         {u"1英加仑（gal）=4.546升（1）", 4.546, u"英加仑（gal）", u"升（1）"},
     }},
    {u"质量单位查询",
     {
         {u"1吨（t）=1000千克（kg）", 1000, u"吨（t）", u"千克（kg）"},
         {u"1吨（t）=2205磅（lb）", 2205, u"吨（t）", u"磅（lb）"},
         {u"1吨（t）=1.102短吨（sh.ton）", 1.102, u"吨（t）", u"短吨（sh.ton）"},
         {u"1吨（t）=0.984长吨（long ton）", 0.984, u"吨（t）", u"长吨（long ton）"},
         {u"1千克（kg）=2.205磅（lb）"},
         {u"1短吨（sh.ton）=0.907吨（t）"},
         {u"1短吨（sh.ton）=2000磅（lb）"},
         {u"1长吨（long ton）=1.016吨（t）"},
         {u"1磅（lb）=0.454千克（kg）[常衡]"},
         {u"1盎司（oz）=28.350克(g)"},
     }},
    {u"密度单位查询",
     {
         {u"1千克/米^3（kg/m^3）=0.001克/厘米^3（g/cm^3）"},
         {u"1千克/米^3（kg/m^3）=0.0624磅/英尺3（lb/ft3）"},
         {u"1磅/英尺3（lb/ft^3）=16.02千克/米^3（kg/m^3）"},
         {u"1磅/英寸3（lb/in^3）=27679.9千克/米^3（kg/m^3）"},
         {u"1磅/美加仑（lb/gal）=119.826千克/米^3（kg/m^3）"},
         {u"1磅/英加仑（lb/gal）=99.776千克/米^3（kg/m^3）"},
         {u"1磅/（石油）桶（lb/bbl）=2.853千克/米^3（kg/m^3）"},
     }},
    {u"运动粘度查询",
     {
         {u"1英尺^2/秒（ft2/s）=9.29030×10^-2米2/秒（m^2/s）"},
         {u"1斯（St）=10^-4米2/秒（m^2/s）"},
         {u"1斯（St）=1厘米^2/秒（cm^2/s）"},
         {u"1厘斯（cSt）=10^-6米2/秒（m^2/s）"},
         {u"1厘斯（cSt）=1毫米^2/秒（mm^2/s）"},
     }},
    {u"动力粘度查询",
     {
         {u"1泊（P）＝0.1帕·秒（Pa·s）"},
         {u"1厘泊（cP）=10-3帕·秒（Pa·s）"},
         {u"1千克力秒/米2（kgf·s、m^2）=9.80665帕·秒（Pa·s）"},
         {u"1磅力秒/英尺2（lbf·s/ft^2）=47.8803帕·秒（Pa·s）"},
     }},
    {u"力单位查询",
     {
         {u"1牛顿（N）＝0.225磅力（lbf）"},
         {u"1牛顿（N）=0.102千克力（kgf）"},
         {u"1千克力（kgf）=9.81牛（N）"},
         {u"1磅力（lbf）=4.45牛顿（N）"},
         {u"1达因（dyn）=10^-5牛顿（N）"},
     }},
    {u"压力单位查询",
     {
         {u"1巴（bar）=105帕（Pa）"},
         {u"1千帕（kPa）=0.145磅力/英寸^2（psi）"},
         {u"1千帕（kPa）=0.0102千克力/厘米2（kgf/cm^2）"},
         {u"1千帕（kPa）=0.0098大气压（atm）"},
         {u"1磅力/英寸^2（psi）=6.895千帕（kPa）"},
         {u"1磅力/英寸^2（psi）=0.0703千克力/厘米^2（kg/cm^2）"},
         {u"1磅力/英寸^2（psi）=0.0689巴（bar）"},
         {u"1磅力/英寸^2（psi）=0.068大气压（atm）"},
         {u"1物理大气压（atm）=101.325千帕（kPa）"},
         {u"1物理大气压（atm）=14.696磅/英寸2（psi）"},
         {u"1物理大气压（atm）=1.0333巴（bar）"},
         {u"1工程大气压=98.0665千帕（kPa）"},
         {u"1毫米水柱（mmH2O）=9.80665帕（Pa）"},
         {u"1毫米汞柱（mmHg）=133.322帕（Pa）"},
         {u"1托（Torr）=133.322帕（Pa）"},
         {u"1达因/厘米^2（dyn/cm2）=0.1帕（Pa）"},
     }},
    {u"传热系数查询",
     {
         {u"1千卡/（米^2·时·℃）〔1kcal/(m^2·h·℃)〕＝1.16279瓦/（米^2·开尔文）〔w/(m2·K)〕"},
         {u"1英热单位/（英尺2·时·°F）〔Btu/(ft2·h·°F)〕 =5.67826瓦/（米^2·开尔文）〔（w/m2·K）〕"},
         {u"1米^2·时·℃/千卡（m^2·h·℃/kcal） =0.86000米2·开尔文/瓦（m^2·K/W） 1千卡/米2·时（kcal/m2·h）=1.16279瓦/米2（w/m2）"},
     }},
    {u"热导率查询",
     {
         {u"1千卡（米·时·℃）〔kcal/(m·h·℃)〕＝1.16279瓦/（米·开尔文）〔W/(m·K)〕"},
         {u"1英热单位/（英尺·时·°F）〔But/(ft·h·°F)〕＝1.7303瓦/（米·开尔文）〔W/(m·K)〕"},
     }},
    {u"比热容查询",
     {
         {u"1千卡/（千克·℃）〔kcal/(kg·℃)〕＝1英热单位/（磅·°F）〔Btu/(lb·°F)〕"},
         {u"1千卡/（千克·℃）〔kcal/(kg·℃)〕＝4186.8焦耳/（千克·开尔文）〔J/（kg·K）〕"},
     }},
    {u"热功单位查询",
     {
         {u"1焦耳＝0.10204千克·米"},
         {u"1焦耳＝2.778×10^－7千瓦·小时"},
         {u"1焦耳＝3.777×10^－7公制马力小时"},
         {u"1焦耳＝3.723×10^－7英制马力小时"},
         {u"1焦耳＝2.389×10^－4千卡"},
         {u"1焦耳=9.48×10^－4英热单位"},
         {u"1卡（cal）=4.1868焦耳（J）"},
         {u"1英热单位（Btu）＝1055.06焦耳（J）"},
         {u"1千克力米（kgf·m）=9.80665焦耳（J）"},
         {u"1英尺磅力（ft·lbf）=1.35582焦耳（J）"},
         {u"1米制马力小时（hp·h）=2.64779×10^6焦耳（J）"},
         {u"1英马力小时（UKHp·h）=2.68452×10^6焦耳 1千瓦小时（kW·h）"},
         {u"1英马力小时（UKHp·h）=3.6×106焦耳（J）"},
         {u"1大卡=4186.75焦耳（J）"},
     }},
    {u"功率单位查询",
     {
         {u"1千克力·米/秒（kgf·m/s）=9.80665瓦（w）"},
         {u"1米制马力（hp）=735.499瓦（W）"},
         {u"1卡/秒（cal/s）＝4.1868瓦（W）"},
         {u"1英热单位/时（Btu/h）=0.293071瓦（W）"},
     }},
    {u"速度单位查询",
     {
         {u"1英尺/秒（ft/s）=0.3048米/秒（m/s）"},
         {u"1英里/时（mile/h）=0.44704米/秒（m/s）"},
     }},
    {u"渗透率查询",
     {
         {u"1达西＝1000毫达西"},
         {u"1平方厘米（cm^2）＝9.81×107达西"},
     }},
    {u"地温梯度查询",
     {
         {u"1°F/100英尺＝1.8℃/100米（℃/m）"},
         {u"1℃/公里＝2.9°F/英里（°F/mile）"},
         {u"1℃/公里=0.055°F/100英尺（°F/ft）"},
     }},
    {u"油气产量查询",
     {
         {u"1桶（bbl）=0.14吨（t）（原油，全球平均）"},
         {u"1吨（t）=7.3桶（bbl）(原油，全球平均)"},
         {u"1桶/日（bpd）=50吨/年（t/a）（原油，全球平均）"},
         {u"1千立方英尺/日（Mcfd）=28.32立方米/日（m^3/d）"},
         {u"1千立方英尺/日（Mcfd）=1.0336万立米/年（m^3/a）"},
         {u"1百万立方英尺/日（MMcfd）=2.832万立方米/日（m^3/d）"},
         {u"1百万立方英尺/日（MMcfd）=1033.55万立方米/年（m^3/a）"},
         {u"10亿立方英尺/日（bcfd）=0.2832亿立方米/日（m^3/d）"},
         {u"10亿立方英尺/日（bcfd）=103.36亿立方米/年（m^3/a）"},
         {u"1万亿立方英尺/日（tcfd）=283.2亿立方米/日（m^3/d）"},
         {u"1万亿立方英尺/日（tcfd）=10.336万亿立方米/年（m^3/a）"},
     }},
    {u"热值单位查询",
     {
         {u"1桶原油＝5.8×106英热单位（Btu）"},
         {u"1立方米湿气＝3.909×104英热单位（Btu）"},
         {u"1立方米干气＝3.577×104英热单位（Btu）"},
         {u"1吨煤=2.406×107英热单位（Btu）"},
         {u"1千瓦小时水电＝1.0235×10^4英热（Btu）"},
         {u"（以上为1990年美国平均热值） （资料来源：美国国家标准局）"},
     }},
    {u"热当量查询",
     {
         {u"1桶原油＝5800立方英尺天然气（按平均热值计算）"},
         {u"1千克原油＝1.4286千克标准煤"},
         {u"1立方米天然气＝1.3300千克标准煤"},
     }},
};
// clang-format on

TEST(UnitRelations, DataFileHoldsEveryCategoryRelationAndConversion)
{
    const UnitTables &tables = unitTables();
    ASSERT_EQ(tables.categories.size(), 20);
    ASSERT_EQ(kExpected.size(), 20u);
    int relations = 0;
    int conversion = 0;
    for (std::size_t c = 0; c < kExpected.size(); ++c) {
        const Category &expected = kExpected[c];
        const UnitCategory &actual = tables.categories[int(c)];
        EXPECT_EQ(actual.name, expected.name.toString());
        ASSERT_EQ(actual.relations.size(), qsizetype(expected.relations.size())) << actual.name.toStdString();
        for (std::size_t r = 0; r < expected.relations.size(); ++r) {
            const Relation &want = expected.relations[r];
            SCOPED_TRACE(want.text.toString().toStdString());
            EXPECT_EQ(actual.relations[int(r)], want.text.toString());
            ++relations;
            const UnitConversion *found = tables.conversionOf(want.text.toString());
            if (want.factor == 0) {
                EXPECT_EQ(found, nullptr);
                continue;
            }
            ASSERT_NE(found, nullptr);
            ASSERT_LT(conversion, tables.conversions.size());
            EXPECT_EQ(&tables.conversions[conversion], found) << "conversions follow the relation order";
            EXPECT_EQ(found->factor, want.factor);
            EXPECT_EQ(found->fromUnit, want.fromUnit.toString());
            EXPECT_EQ(found->toUnit, want.toUnit.toString());
            ++conversion;
        }
    }
    EXPECT_EQ(relations, 149);
    EXPECT_EQ(conversion, 54);
    EXPECT_EQ(tables.conversions.size(), 54);
}

TEST(UnitRelations, KeysDifferInWidthAndStayUnique)
{
    const UnitTables &tables = unitTables();
    QSet<QString> keys;
    for (const UnitCategory &category : tables.categories) {
        for (const QString &relation : category.relations)
            EXPECT_TRUE(!keys.contains(relation)) << relation.toStdString();
        for (const QString &relation : category.relations)
            keys.insert(relation);
    }
    // A half-width equals sign is another key than the full-width one.
    EXPECT_NE(tables.conversionOf(QStringLiteral("1百万立方英尺（MMcf）＝2.8317万立方米（m^3）")), nullptr);
    EXPECT_EQ(tables.conversionOf(QStringLiteral("1百万立方英尺（MMcf）=2.8317万立方米（m^3）")), nullptr);
    EXPECT_FALSE(tables.relationsOf(QStringLiteral("长度单位")).has_value());
}

TEST(UnitRelations, LoaderRefusesBadLines)
{
    struct Bad
    {
        const char *name;
        QString text;
    };
    const Bad cases[] = {
        {"relation before category", QStringLiteral("relation: 1米=1米")},
        {"repeated key", QStringLiteral("category: a\nrelation: x\nrelation: x")},
        {"factor no number", QStringLiteral("category: a\nrelation: x | y | m | n")},
        {"two cells", QStringLiteral("category: a\nrelation: x | 1")},
        {"unknown key", QStringLiteral("kind: a")},
    };
    for (const Bad &bad : cases)
        EXPECT_THROW(parseUnitTables(bad.text), DataFileFailure) << bad.name;
}

TEST(UnitConversion, ValueTimesFactorInTheDefaultText)
{
    struct Case
    {
        const char *name;
        QString value;
        double factor;
        std::optional<QString> shown;
    };
    const Case cases[] = {
        {"km to mile", "3", 0.621, QStringLiteral("1.863")},
        {"thirty km", "30", 0.621, QStringLiteral("18.63")},
        {"angstrom", "1", 1E-10, QStringLiteral("1E-10")},
        {"acre to km2", "1000", 0.004047, QStringLiteral("4.047")},
        {"long ton", "10", 0.984, QStringLiteral("9.84")},
        {"cubic foot to litre", "2", 28.317, QStringLiteral("56.634")},
        {"negative", "-1", 0.621, QStringLiteral("-0.621")},
        {"empty", "", 0.621, std::nullopt},
        {"letters", "abc", 0.621, std::nullopt},
        {"beyond double", "1E308", 5280, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(convertUnitValue(c.value, c.factor), c.shown) << c.name;
}

} // namespace
