// The table file format, and how a parsed page is laid out.
#include "common/files/reference_table.h"
#include "common/views/table_page_layout.h"
#include "qstring_print.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kHead = QStringLiteral("window: 甲表\ncaption: 甲\npicture: Picture1\nalign: ccc\n");

ReferencePage pageOf(const QString &lines)
{
    const auto result = parseReferenceTable(kHead + lines, QStringLiteral("t.table"));
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    return result.table.pages.value(0);
}

TEST(ReferenceTableFormat, ParsesPagesSpansAndMarkup)
{
    const ReferencePage page = pageOf(QStringLiteral(
        "title: 表 1 试验（m³）\n"
        "header: 燃料 | 含氮量 | <<\n"
        "header: ^^ | 范围 | 平均\n"
        "row: 煤 | 0.5～2.5 | 1.5\n"
        "row: C_{m}H_{n} | a\\|b | \n"
        "note: 注：说明\n"));
    EXPECT_EQ(page.columnCount(), 3);
    EXPECT_EQ(page.header[0][1].colSpan, 2);
    EXPECT_TRUE(page.header[0][2].covered);
    EXPECT_EQ(page.header[0][0].rowSpan, 2);
    EXPECT_TRUE(page.header[1][0].covered);
    EXPECT_EQ(page.bodyText(0, 1), QStringLiteral("0.5～2.5"));
    EXPECT_EQ(page.body[1][0].text, QStringLiteral("C_{m}H_{n}"));
    EXPECT_EQ(page.bodyText(1, 0), QStringLiteral("CmHn"));
    EXPECT_EQ(page.bodyText(1, 1), QStringLiteral("a|b"));
    EXPECT_EQ(page.bodyText(1, 2), QString());
    EXPECT_EQ(page.notes, QStringList{QStringLiteral("注：说明")});
}

// Each malformed or missing file names itself, the line and the reason.
TEST(ReferenceTableFormat, MalformedFilesNameLineAndReason)
{
    struct Case { const char *name; QString text; QString error; };
    const Case cases[] = {
        {"unknown key", kHead + "colour: red\nrow: a | b | c\n", "t.table:5: unknown key \"colour\""},
        {"no colon", kHead + "row a\n", "t.table:5: expected \"key: value\""},
        {"short row", kHead + "row: a | b\n", "t.table:5: 2 cells where align gives 3 columns"},
        {"bad align", "window: a\ncaption: a\npicture: P\nalign: cx\n", "t.table:4: align takes only l, c and r"},
        {"row before align", "window: a\ncaption: a\npicture: P\nrow: a\n", "t.table:4: align must come before the rows"},
        {"merge left at start", kHead + "row: << | b | c\n", "t.table:5: << in the first column"},
        {"merge up at top", kHead + "row: a | ^^ | c\n", "t.table:5: ^^ in the first body row"},
        {"not a rectangle", kHead + "header: a | << | c\nheader: ^^ | x | c2\nrow: a | b | c\n", "t.table:5: merged cells do not form a rectangle"},
        {"open script", kHead + "row: m^{3 | b | c\n", "t.table:5: sub- or superscript not closed with }"},
        {"bad escape", kHead + "row: a\\t | b | c\n", "t.table:5: unknown escape \\t"},
        {"header after row", kHead + "row: a | b | c\nheader: a | b | c\n", "t.table:6: header after a body row"},
        {"title after row", kHead + "row: a | b | c\ntitle: x\n", "t.table:6: title after the table's rows"},
        {"note first", kHead + "note: x\n", "t.table:5: note before the table's rows"},
        {"twice", "window: a\nwindow: b\n", "t.table:2: window given twice"},
        {"no window", "caption: a\npicture: P\nalign: c\nrow: a\n", "t.table:5: no window name"},
        {"no rows", "window: a\ncaption: a\npicture: P\nalign: c\n", "t.table:5: picture P has no rows"},
        {"pages without buttons", "window: a\ncaption: a\npicture: P\nalign: c\nrow: 1\npicture: Q\nalign: c\nrow: 2\n", "t.table:9: picture P of several needs a button caption"},
        {"single with button", "window: a\ncaption: a\npicture: P | 表一\nalign: c\nrow: 1\n", "t.table:6: a single picture takes no button caption"},
    };
    for (const Case &c : cases) {
        const auto result = parseReferenceTable(c.text, QStringLiteral("t.table"));
        EXPECT_EQ(result.error, c.error) << c.name;
    }
    EXPECT_EQ(loadReferenceTable(QStringLiteral(":/data/none.table")).error,
              QStringLiteral(":/data/none.table: cannot be read"));
}

TEST(TableLayout, MergedCellsWidenTheirColumnsAndLinesStack)
{
    const ReferencePage narrow = pageOf(QStringLiteral("header: a | b | c\nrow: 1 | 2 | 3\n"));
    const ReferencePage wide = pageOf(QStringLiteral(
        "header: a | 一个很长很长很长很长很长很长的合并表头 | <<\nheader: ^^ | b | c\nrow: 1 | 2 | 3\n"));
    const QList<int> n = TablePageLayout::columnTextWidths(narrow);
    const QList<int> w = TablePageLayout::columnTextWidths(wide);
    EXPECT_EQ(w[0], n[0]);
    EXPECT_GT(w[1] + w[2], n[1] + n[2]);
    EXPECT_LE(qAbs(w[1] - w[2]), 1);  // the excess is shared evenly

    const ReferencePage twoLines = pageOf(QStringLiteral("header: a | b\\nc | d\nrow: 1 | 2 | 3\n"));
    const TablePageLayout one(narrow, TablePageLayout::columnTextWidths(narrow));
    const TablePageLayout two(twoLines, TablePageLayout::columnTextWidths(twoLines));
    EXPECT_GT(two.size().height(), one.size().height());
    EXPECT_EQ(two.plainText(), QStringLiteral("a\nb\nc\nd\n1\n2\n3"));
}

} // namespace
