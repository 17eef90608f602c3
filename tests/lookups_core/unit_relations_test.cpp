// The unit converter's data file read whole: every category with its number
// of relations and conversions, and the conversions whose texts the reader
// could split wrongly (two equals signs, half-width brackets, a full-width
// equals sign, powers of ten), at their places in the list.
#include "common/files/data_file.h"
#include "lookups/unit_converter.h"

#include <gtest/gtest.h>
#include <QSet>

using namespace corvalen;

namespace {

TEST(UnitRelations, DataFileHoldsEveryCategoryRelationAndConversion)
{
    const struct
    {
        QStringView name;
        int relations;
        int conversions;
    } categories[] = {
        {u"长度单位查询", 18, 18}, {u"面积单位查询", 14, 14}, {u"体积单位查询", 18, 18}, {u"质量单位查询", 10, 4},
        {u"密度单位查询", 7, 0},   {u"运动粘度查询", 5, 0},   {u"动力粘度查询", 4, 0},   {u"力单位查询", 5, 0},
        {u"压力单位查询", 16, 0},  {u"传热系数查询", 3, 0},   {u"热导率查询", 2, 0},     {u"比热容查询", 2, 0},
        {u"热功单位查询", 14, 0},  {u"功率单位查询", 4, 0},   {u"速度单位查询", 2, 0},   {u"渗透率查询", 2, 0},
        {u"地温梯度查询", 3, 0},   {u"油气产量查询", 11, 0},  {u"热值单位查询", 6, 0},   {u"热当量查询", 3, 0},
    };
    const UnitTables &tables = unitTables();
    ASSERT_EQ(tables.categories.size(), std::size(categories));
    int conversion = 0;
    for (std::size_t c = 0; c < std::size(categories); ++c) {
        const UnitCategory &actual = tables.categories[int(c)];
        EXPECT_EQ(actual.name, categories[c].name.toString());
        EXPECT_EQ(actual.relations.size(), categories[c].relations) << actual.name.toStdString();
        int converting = 0;
        for (const QString &relation : actual.relations) {
            if (const UnitConversion *found = tables.conversionOf(relation)) {
                ++converting;
                ASSERT_LT(conversion, tables.conversions.size());
                EXPECT_EQ(&tables.conversions[conversion++], found) << "conversions follow the relation order";
            }
        }
        EXPECT_EQ(converting, categories[c].conversions) << actual.name.toStdString();
    }
    EXPECT_EQ(tables.conversions.size(), 54);

    const struct
    {
        int category, row;
        QStringView text;
        double factor;  // 0: no conversion
        QStringView fromUnit = {}, toUnit = {};
    } rows[] = {
        {0, 0, u"1千米（km）=0.621英里（mile）", 0.621, u"千米（km）", u"英里（mile）"},
        {0, 4, u"1埃=10^-10米（m）", 1E-10, u"埃", u"米（m）"},
        {0, 10, u"1链=66英尺（ft）=20.1168米", 20.1168, u"链", u"米"},
        {0, 14, u"1码（yd）=3英尺（ft）", 3, u"码（yd)", u"英尺（ft）"},
        {0, 15, u"1杆（rad）=16.5英尺（ft）", 16.5, u"杆", u"英尺（ft）"},
        {1, 3, u"1平方米（m^2）=10.764平方英尺（ft2）", 10.764, u"平方米（m^2)", u"平方英尺（ft2）"},
        {1, 9, u"1英亩（acre）=4.047×10^-3平方公里（km^2）", 0.004047, u"英亩（acre）", u"平方公里（km^2）"},
        {2, 5, u"1千立方英尺（mcf）=28.317立方米（m^3）", 28.317, u"千立方英尺", u"立方米（m^3）"},
        {2, 6, u"1百万立方英尺（MMcf）＝2.8317万立方米（m^3）", 2.8317, u"百万立方英尺（MMcf）", u"万立方米（m^3）"},
        {2, 13, u"1美加仑（gal）=3.785升（1）", 3.785, u"美加仑（gal）", u"升（1）"},
        {3, 3, u"1吨（t）=0.984长吨（long ton）", 0.984, u"吨（t）", u"长吨（long ton）"},
        {3, 4, u"1千克（kg）=2.205磅（lb）", 0},
        {19, 2, u"1立方米天然气＝1.3300千克标准煤", 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text.toString().toStdString());
        ASSERT_LT(row.row, tables.categories[row.category].relations.size());
        EXPECT_EQ(tables.categories[row.category].relations[row.row], row.text.toString());
        const UnitConversion *found = tables.conversionOf(row.text.toString());
        if (row.factor == 0) {
            EXPECT_EQ(found, nullptr);
            continue;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->factor, row.factor);
        EXPECT_EQ(found->fromUnit, row.fromUnit.toString());
        EXPECT_EQ(found->toUnit, row.toUnit.toString());
    }
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

// The worked conversions are checked through the window; here what gives
// no value.
TEST(UnitConversion, NoValueWithoutANumberOrBeyondTheRange)
{
    for (const char *value : {"", "abc", "1E308"})
        EXPECT_EQ(convertUnitValue(QString::fromUtf8(value), 5280), std::nullopt) << value;
}

} // namespace
