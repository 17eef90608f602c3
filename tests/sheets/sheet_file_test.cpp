// The sheet file format, without a window.
#include "common/files/sheet_file.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const char *const kHead = "window: w\ncaption: c\nworksheet: s\ncolumns: 3\n";

SheetFileResult parse(const std::string &body)
{
    return parseSheetFile(QString::fromUtf8(kHead + body), QStringLiteral("t.sheet"));
}

TEST(SheetFileFormat, AFaultNamesTheFileLineAndReason)
{
    struct Case
    {
        const char *name, *body, *error;
    } cases[] = {
        {"no key", "row 1: a\nplain text\n", "t.sheet:6: expected \"key: value\""},
        {"unknown key", "colour: red\n", "t.sheet:5: unknown key \"colour\""},
        {"row without number", "row x: a\n", "t.sheet:5: \"row x\" needs a row number from 1 to 1000"},
        {"rows out of order", "row 2: a\nrow 2: b\n", "t.sheet:6: row 2 does not follow row 2"},
        {"too many cells", "row 1: a | b | c | d\n", "t.sheet:5: 4 cells where the sheet has 3 columns"},
        {"malformed formula", "row 1: 1 | =A1* \n", "t.sheet:5: malformed formula \"=A1*\""},
        {"reference outside", "row 1: 1 | =D1*2\n", "t.sheet:5: formula \"=D1*2\" refers to D1 outside the sheet"},
        {"open markup", "row 1: M^{3\n", "t.sheet:5: sub- or superscript not closed with }"},
        {"bad escape", "row 1: a\\tb\n", "t.sheet:5: unknown escape \\t"},
        {"single-cell merge", "row 1: a\nmerge: A1\n", "t.sheet:6: merge needs a range of several cells such as A1:B1"},
        {"merge outside", "row 1: a\nmerge: A1:D1\n", "t.sheet:6: merge A1:D1 reaches outside the sheet"},
        {"overlapping merges", "row 2: a\nmerge: A1:B1\nmerge: B1:C2\n", "t.sheet:7: merge B1:C2 overlaps merge A1:B1"},
        {"unknown style", "row 1: a\nstyle: A1 italic\n", "t.sheet:6: unknown style \"italic\" (bold, #rrggbb or a size such as 9pt)"},
        {"style without range", "row 1: a\nstyle: bold\n", "t.sheet:6: style needs a range such as E2:F10, then its styles"},
        {"style outside", "row 1: a\nstyle: A1:A3 bold\n", "t.sheet:6: style A1:A3 reaches outside the sheet"},
        {"no rows", "", "t.sheet:5: no rows"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parse(c.body).error, QString::fromUtf8(c.error)) << c.name;

    EXPECT_EQ(parseSheetFile(QStringLiteral("caption: c\nworksheet: s\ncolumns: 2\nrow 1: a\n"), QStringLiteral("t.sheet")).error,
              QStringLiteral("t.sheet:5: no window name"));
    EXPECT_EQ(parseSheetFile(QStringLiteral("window: w\nwindow: v\n"), QStringLiteral("t.sheet")).error,
              QStringLiteral("t.sheet:2: window given twice"));
    EXPECT_EQ(parseSheetFile(QStringLiteral("window: w\nrow 1: a\n"), QStringLiteral("t.sheet")).error,
              QStringLiteral("t.sheet:2: columns must come before the rows"));
    EXPECT_EQ(loadSheetFile(QStringLiteral(":/data/none.sheet")).error, QStringLiteral(":/data/none.sheet: cannot be read"));
}

TEST(SheetFileFormat, CellKindsMarkupMergesAndStyles)
{
    const SheetFileResult r = parse("row 1: 请输入产量: | | 1500\n"
                                    "# a comment\n"
                                    "row 3: M^{3}/t | '961 | =C1*2\n"
                                    "row 4: a \\| b | BOD_{5} | \n"
                                    "merge: A1:B1\n"
                                    "style: C3:C4 bold #008000 12pt\n");
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const Sheet &s = r.file.sheet;
    EXPECT_EQ(s.rowCount(), 4);
    EXPECT_EQ(s.columnCount(), 3);
    EXPECT_EQ(s.value(0, 2).kind, SheetValue::Number);
    EXPECT_EQ(s.value(2, 1).kind, SheetValue::Text);  // the quote keeps 961 a text
    EXPECT_EQ(s.displayText(2, 2), QStringLiteral("3000"));
    EXPECT_EQ(s.value(1, 0).kind, SheetValue::Empty);
    EXPECT_EQ(s.displayText(2, 0), QStringLiteral("M3/t"));
    const QList<MarkupRun> runs = s.displayRuns(2, 0);
    ASSERT_EQ(runs.size(), 3);
    EXPECT_EQ(runs[1].text, QStringLiteral("3"));
    EXPECT_EQ(runs[1].script, 1);
    EXPECT_EQ(s.displayRuns(3, 1).last().script, -1);
    EXPECT_EQ(s.displayText(3, 0), QStringLiteral("a | b"));
    EXPECT_TRUE(s.isCovered(0, 1));
    EXPECT_TRUE(s.style(3, 2).bold);
    EXPECT_EQ(s.style(3, 2).color, QStringLiteral("#008000"));
    EXPECT_EQ(s.style(3, 2).pointSize, 12);
    EXPECT_EQ(s.style(3, 1).pointSize, 9);
    EXPECT_FALSE(s.style(3, 1).bold);
}

} // namespace
