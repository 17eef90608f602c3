// Value lists typed as one line, the Nemerow and single-factor reports, and
// the indexes P and ISE with their failures.
#include "water/surface_status.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(ValueList, ItemsAreThePiecesBeforeEachBar)
{
    const struct { const char *name; QString text; QStringList items; } cases[] = {
        {"empty text", "", {}},
        {"a lone bar is one empty item", "|", {""}},
        {"blanks are kept as typed", " 1 | 2|", {" 1 ", " 2"}},
        {"line feeds stay in the item", "1\n2|", {"1\n2"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(valueListItems(c.text), c.items) << c.name;
}

TEST(ValueList, ItemsAreReadByTheirLeadingNumber)
{
    const struct { const char *name; QString item; double value; } cases[] = {
        {"blanks anywhere", " 1 2 . 5 ", 12.5},
        {"exponent", "1e1", 10},
        {"exponent without digits is left off", "3e", 3},
        {"trailing text", "7mg/L", 7},
        {"blanks only", "   ", 0},
        {"negative", "-.5", -0.5},
        {"a comma ends the number", "1,5", 1},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(itemValue(c.item), c.value) << c.name;
    EXPECT_TRUE(std::isinf(itemValue(u"1e400")));
}

TEST(Nemerow, ReportLines)
{
    const struct { const char *name; QString list; QString count, echo, maximum, mean, nemerow; } cases[] = {
        {"two values", "9|10|", "2", "|9|10|", "10.00", "9.50", "9.75"},
        {"unclosed last value", "1|2|3", "2", "|1|2|", "2.00", "1.50", "1.77"},
        {"an empty item counts as 0", "1||3|", "3", "|1||3|", "3.00", "1.33", "2.32"},
        {"a text item counts as 0", "a|2|", "2", "|a|2|", "2.00", "1.00", "1.58"},
        {"one value", "5|", "1", "|5|", "5.00", "5.00", "5.00"},
        {"no bar: no items, nothing to divide", "1.2", "", "|", "0.00", "0.00", "0.00"},
        {"negative values only", "-1|-3|", "2", "|-1|-3|", "-1.00", "-2.00", "1.58"},
        {"squares beyond the double range", "1e200|1e200|", "2", "|1e200|1e200|",
         "1" + QString(200, u'0') + ".00", "1" + QString(200, u'0') + ".00", "1" + QString(200, u'0') + ".00"},
    };
    for (const auto &c : cases) {
        const QStringList lines = nemerowReport(c.list).split(u'\n');
        ASSERT_EQ(lines.size(), 5) << c.name;
        EXPECT_EQ(lines[0], QStringLiteral("你输入的数据个数为:") + c.count) << c.name;
        EXPECT_EQ(lines[1], QStringLiteral("    输入的数据为：") + c.echo) << c.name;
        EXPECT_EQ(lines[2], QStringLiteral("    最大值为：") + c.maximum) << c.name;
        EXPECT_EQ(lines[3], QStringLiteral("    算术平均值为：") + c.mean) << c.name;
        EXPECT_EQ(lines[4], QStringLiteral("    内梅罗平均值：") + c.nemerow) << c.name;
    }
}

TEST(SingleFactor, Reports)
{
    const struct { const char *name; SingleFactorInput input; QString echo, indexes; } cases[] = {
        {"thirds", {.standard = "3", .list = "1|2|10|"}, "|1|2|10|", "| .33| .67| 3.33|"},
        {"negative value", {.standard = "2", .list = "-1|"}, "|-1|", "|-.5|"},
        {"a tiny negative rounds to a plain zero", {.standard = "1", .list = "-0.001|"}, "|-0.001|", "| 0|"},
        {"standard 0: every index 0", {.standard = "0", .list = "1|2|"}, "|1|2|", "| 0| 0|"},
        {"standard empty", {.standard = "", .list = "1|"}, "|1|", "| 0|"},
        {"no bar", {.standard = "0.5", .list = "0.5"}, "|", "|"},
        {"empty and text items", {.standard = "1", .list = "|x|2|"}, "||x|2|", "| 0| 0| 2|"},
        {"an index beyond the double range", {.standard = "1e-300", .list = "1e300|"}, "|1e300|", "|无穷大|"},
    };
    for (const auto &c : cases) {
        const QStringList lines = singleFactorReport(c.input).split(u'\n');
        ASSERT_EQ(lines.size(), 3) << c.name;
        EXPECT_EQ(lines[0], QStringLiteral("你输入的数据为：") + c.echo) << c.name;
        EXPECT_EQ(lines[1], QStringLiteral("计算结果如下：")) << c.name;
        EXPECT_EQ(lines[2], QStringLiteral("单项评价指数为：") + c.indexes) << c.name;
    }
}

TEST(StatusIndexes, PAndIse)
{
    const struct { const char *name; QString shown; QString expected; } cases[] = {
        {"P negative", purificationText({.background = "0.5", .mixed = "0.4", .utilisation = "0.8", .standard = "1.0"}),
         "此物质的自净利用指数:-0.25"},
        {"P twelfths", purificationText({.background = "0.5", .mixed = "0.6", .utilisation = "0.8", .standard = "2"}),
         "此物质的自净利用指数:0.08"},
        {"P λ = 0", purificationText({.background = "0.5", .mixed = "0.6", .utilisation = "0", .standard = "1"}),
         "此物质的自净利用指数:0.00"},
        {"P empty input", purificationText({.background = "", .mixed = "0.6", .utilisation = "0.8", .standard = "1"}),
         "此物质的自净利用指数:0.00"},
        {"ISE one", rankingText({.sewageFlow = "2", .riverFlow = "10", .sewageConcentration = "5",
                                 .background = "0", .standard = "1"}),
         "该物质污染排序指数ISE=1.00"},
        {"ISE Qh = 0", rankingText({.sewageFlow = "2", .riverFlow = "0", .sewageConcentration = "5",
                                    .background = "0", .standard = "1"}),
         "该物质污染排序指数ISE=0.00"},
        {"ISE Cs = Ch", rankingText({.sewageFlow = "2", .riverFlow = "10", .sewageConcentration = "5",
                                     .background = "1", .standard = "1"}),
         "该物质污染排序指数ISE=0.00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.name;
}

} // namespace
