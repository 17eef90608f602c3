#include "common/reference_table.h"
#include "qstring_print.h"

#include <gtest/gtest.h>

using corvalen::parseReferenceTable;

namespace {

const QString kHead = QStringLiteral("window: 甲表\ncaption: 甲\npicture: Picture1\nalign: ccc\n");

TEST(ReferenceTableFormat, ParsesPagesSpansAndMarkup)
{
    const auto result = parseReferenceTable(kHead + QStringLiteral(
        "title: 表 1 试验（m³）\n"
        "header: 燃料 | 含氮量 | <<\n"
        "header: ^^ | 范围 | 平均\n"
        "row: 煤 | 0.5～2.5 | 1.5\n"
        "row: C_{m}H_{n} | a\\|b | \n"
        "note: 注：说明\n"), QStringLiteral("t.table"));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const auto &page = result.table.pages.at(0);
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

TEST(ReferenceTableFormat, TwoPagesNeedButtonCaptions)
{
    const auto result = parseReferenceTable(QStringLiteral(
        "window: 乙\ncaption: 乙\n"
        "picture: Picture2 | 表一\nalign: c\nrow: 1\n"
        "picture: Picture3 | 续表\nalign: c\nrow: 2\n"), QStringLiteral("t.table"));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.table.pages.size(), 2);
    EXPECT_EQ(result.table.pages[1].button, QStringLiteral("续表"));
}

// Each malformed file names itself, the line and the reason.
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
        {"pages without buttons", "window: a\ncaption: a\npicture: P\nalign: c\nrow: 1\npicture: Q\nalign: c\nrow: 2\n",
         "t.table:9: picture P of several needs a button caption"},
        {"single with button", "window: a\ncaption: a\npicture: P | 表一\nalign: c\nrow: 1\n",
         "t.table:6: a single picture takes no button caption"},
    };
    for (const Case &c : cases) {
        const auto result = parseReferenceTable(c.text, QStringLiteral("t.table"));
        EXPECT_EQ(result.error, c.error) << c.name;
    }
}

TEST(ReferenceTableFormat, MissingOrInvalidFileFails)
{
    EXPECT_EQ(corvalen::loadReferenceTable(QStringLiteral(":/data/none.table")).error,
              QStringLiteral(":/data/none.table: cannot be read"));
}

} // namespace
