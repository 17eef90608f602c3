// Value lists typed as one line, the Nemerow and single-factor reports, and
// the indexes P and ISE with their failures.
#include "water/surface_status.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

struct ListCase
{
    const char *name;
    QString text;
    QStringList items;
};

TEST(ValueList, ItemsAreThePiecesBeforeEachBar)
{
    const ListCase cases[] = {
        {"design list", "1.2|1.5|2.5|", {"1.2", "1.5", "2.5"}},
        {"a trailing item without bar is no item", "1|2|3", {"1", "2"}},
        {"no bar at all", "12 3", {}},
        {"empty text", "", {}},
        {"empty items are kept", "1||3|", {"1", "", "3"}},
        {"a lone bar is one empty item", "|", {""}},
        {"blanks are kept as typed", " 1 | 2|", {" 1 ", " 2"}},
        {"line feeds stay in the item", "1\n2|", {"1\n2"}},
    };
    for (const ListCase &c : cases)
        EXPECT_EQ(valueListItems(c.text), c.items) << c.name;
}

struct NumberCase
{
    const char *name;
    QString item;
    double value;
};

TEST(ValueList, ItemsAreReadByTheirLeadingNumber)
{
    const NumberCase cases[] = {
        {"plain", "1.5", 1.5},
        {"blanks anywhere", " 1 2 . 5 ", 12.5},
        {"exponent", "1e1", 10},
        {"exponent without digits is left off", "3e", 3},
        {"trailing text", "7mg/L", 7},
        {"leading text", "a", 0},
        {"empty", "", 0},
        {"blanks only", "   ", 0},
        {"negative", "-.5", -0.5},
        {"a comma ends the number", "1,5", 1},
    };
    for (const NumberCase &c : cases)
        EXPECT_DOUBLE_EQ(itemValue(c.item), c.value) << c.name;
    EXPECT_TRUE(std::isinf(itemValue(u"1e400")));
}

struct ReportCase
{
    const char *name;
    QString list;
    QString count, echo, maximum, mean, nemerow;
};

TEST(Nemerow, ReportLines)
{
    const ReportCase cases[] = {
        {"design data", "1.2|1.5|2.5|1.8|2.0|1.6|1.7|", "7", "|1.2|1.5|2.5|1.8|2.0|1.6|1.7|", "2.50", "1.76", "2.16"},
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
    for (const ReportCase &c : cases) {
        const QStringList lines = nemerowReport(c.list).split(u'\n');
        ASSERT_EQ(lines.size(), 5) << c.name;
        EXPECT_EQ(lines[0], QStringLiteral("你输入的数据个数为:") + c.count) << c.name;
        EXPECT_EQ(lines[1], QStringLiteral("    输入的数据为：") + c.echo) << c.name;
        EXPECT_EQ(lines[2], QStringLiteral("    最大值为：") + c.maximum) << c.name;
        EXPECT_EQ(lines[3], QStringLiteral("    算术平均值为：") + c.mean) << c.name;
        EXPECT_EQ(lines[4], QStringLiteral("    内梅罗平均值：") + c.nemerow) << c.name;
    }
}

struct SingleCase
{
    const char *name;
    SingleFactorInput input;
    QString echo, indexes;
};

TEST(SingleFactor, Reports)
{
    const SingleCase cases[] = {
        {"design data", {.standard = "0.5", .list = "0.5|0.8|0.6|0.7|0.2|0.9|0.5|"}, "|0.5|0.8|0.6|0.7|0.2|0.9|0.5|",
         "| 1| 1.6| 1.2| 1.4| .4| 1.8| 1|"},
        {"thirds", {.standard = "3", .list = "1|2|10|"}, "|1|2|10|", "| .33| .67| 3.33|"},
        {"negative value", {.standard = "2", .list = "-1|"}, "|-1|", "|-.5|"},
        {"a tiny negative rounds to a plain zero", {.standard = "1", .list = "-0.001|"}, "|-0.001|", "| 0|"},
        {"standard 0: every index 0", {.standard = "0", .list = "1|2|"}, "|1|2|", "| 0| 0|"},
        {"standard empty", {.standard = "", .list = "1|"}, "|1|", "| 0|"},
        {"no bar", {.standard = "0.5", .list = "0.5"}, "|", "|"},
        {"empty and text items", {.standard = "1", .list = "|x|2|"}, "||x|2|", "| 0| 0| 2|"},
    };
    for (const SingleCase &c : cases) {
        const QStringList lines = singleFactorReport(c.input).split(u'\n');
        ASSERT_EQ(lines.size(), 3) << c.name;
        EXPECT_EQ(lines[0], QStringLiteral("你输入的数据为：") + c.echo) << c.name;
        EXPECT_EQ(lines[1], QStringLiteral("计算结果如下：")) << c.name;
        EXPECT_EQ(lines[2], QStringLiteral("单项评价指数为：") + c.indexes) << c.name;
    }
}

TEST(SingleFactor, AnIndexBeyondTheDoubleRangeIsShownAsInfinite)
{
    const QString report = singleFactorReport({.standard = "1e-300", .list = "1e300|"});
    EXPECT_TRUE(report.endsWith(QStringLiteral("单项评价指数为：|无穷大|"))) << qPrintable(report);
}

struct IndexCase
{
    const char *name;
    QString shown;
    QString expected;
};

TEST(StatusIndexes, PAndIse)
{
    const IndexCase cases[] = {
        {"P design", purificationText({.background = "0.5", .mixed = "0.6", .utilisation = "0.8", .standard = "1.0"}),
         "此物质的自净利用指数:0.25"},
        {"P negative", purificationText({.background = "0.5", .mixed = "0.4", .utilisation = "0.8", .standard = "1.0"}),
         "此物质的自净利用指数:-0.25"},
        {"P twelfths", purificationText({.background = "0.5", .mixed = "0.6", .utilisation = "0.8", .standard = "2"}),
         "此物质的自净利用指数:0.08"},
        {"P λ = 0", purificationText({.background = "0.5", .mixed = "0.6", .utilisation = "0", .standard = "1"}),
         "此物质的自净利用指数:0.00"},
        {"P empty input", purificationText({.background = "", .mixed = "0.6", .utilisation = "0.8", .standard = "1"}),
         "此物质的自净利用指数:0.00"},
        {"ISE design", rankingText({.sewageFlow = "1", .riverFlow = "15", .sewageConcentration = "10",
                                    .background = "0.1", .standard = "1"}),
         "该物质污染排序指数ISE=0.74"},
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
    for (const IndexCase &c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.name;
}

} // namespace
