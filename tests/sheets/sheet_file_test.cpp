// The sheet file format and every stored sheet, without a window.
#include "common/sheet_file.h"
#include "common/tool_registry.h"

#include <QDir>
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

// Every stored sheet reads; the registry holds each under its window name.
TEST(StoredSheets, EveryFileLoadsAndIsRegistered)
{
    const QString folder = QStringLiteral(":/data/water/sheets");
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.sheet")}, QDir::Files);
    EXPECT_GE(files.size(), 5);
    for (const QString &f : files) {
        const SheetFileResult r = loadSheetFile(folder + QLatin1Char('/') + f);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        const ToolInfo *info = ToolRegistry::global().info(r.file.window);
        ASSERT_TRUE(info) << f.toStdString();
        EXPECT_EQ(info->kind, ToolKind::EmbeddedSpreadsheet);
        // No stored amount shows an error text.
        for (int row = 0; row < r.file.sheet.rowCount(); ++row)
            for (int c = 0; c < r.file.sheet.columnCount(); ++c)
                EXPECT_NE(r.file.sheet.value(row, c).kind, SheetValue::Error) << f.toStdString() << " " << row << "," << c;
    }
}

const Sheet &storedSheet(const QString &window)
{
    static std::map<QString, SheetFile> sheets;
    if (!sheets.count(window)) {
        const QString folder = QStringLiteral(":/data/water/sheets");
        for (const QString &f : QDir(folder).entryList({QStringLiteral("*.sheet")}, QDir::Files)) {
            SheetFileResult r = loadSheetFile(folder + QLatin1Char('/') + f);
            sheets[r.file.window] = r.file;
        }
    }
    return sheets.at(window).sheet;
}

struct AmountCase
{
    const char *window;
    const char *cell;   // the pollutant's name cell, e.g. "A3"
    const char *name;
    const char *production;
    const char *discharge;
};

// Every pollutant row of the copper, lead and zinc sheets with the stored
// example quantities: name, then the two amounts in columns E and F.
TEST(StoredSheets, CopperLeadAndZincAmountsWithTheExampleQuantities)
{
    const AmountCase cases[] = {
        {"铜精矿污染物", "A3", "废水量", "1441500", "626400"},
        {"铜精矿污染物", "A4", "Cu", "17670", "1620"},
        {"铜精矿污染物", "A5", "Pb", "135", "30"},
        {"铜精矿污染物", "A6", "Zn", "4365", "855"},
        {"铜精矿污染物", "A7", "Cd", "120", "30"},
        {"铜精矿污染物", "A8", "As", "255", "15"},
        {"铜精矿污染物", "A9", "废石", "318000", "318000"},
        {"铜精矿污染物", "A10", "尾渣", "172200", "172200"},
        {"粗铜行业", "A3", "二氧化硫", "2446200", "581100"},
        {"粗铜行业", "A4", "烟气量", "57094500", "32817000"},
        {"粗铜行业", "A5", "烟尘", "482685", "19860"},
        {"粗铜行业", "A6", "冶炼渣", "4497", "1860"},
        {"粗铜行业", "A7", "废水量", "158700", "280335"},
        {"粗铜行业", "A8", "废水中Cu", "925.5", "382.2"},
        {"粗铜行业", "A9", "废水中Pb", "1244.1", "251.85"},
        {"粗铜行业", "A10", "废水中Zn", "1552.2", "375.3"},
        {"粗铜行业", "A11", "废水中Cd", "80.85", "21.6"},
        {"粗铜行业", "A12", "废水中As", "2060.7", "530.7"},
        {"铜锭铜板铅管带", "A4", "油", "11.4", "1.95"},
        {"铜锭铜板铅管带", "A5", "悬浮物", "72.45", "12.33"},
        {"铜锭铜板铅管带", "A6", "废水", "1410", "240"},
        {"铜锭铜板铅管带", "A9", "油", "233", "52.8"},
        {"铜锭铜板铅管带", "A10", "悬浮物", "603.4", "60.44"},
        {"铜锭铜板铅管带", "A11", "废水", "1172", "2580"},
        {"铜锭铜板铅管带", "A14", "油", "6663", "849"},
        {"铜锭铜板铅管带", "A15", "悬浮物", "10359", "1404.6"},
        {"铜锭铜板铅管带", "A16", "废水", "201600", "27300"},
        {"粗铅行业产排污量", "A3", "废水量", "90624", "80848"},
        {"粗铅行业产排污量", "A4", "Pb", "5535.2", "94.4"},
        {"粗铅行业产排污量", "A5", "Zn", "15932.48", "444.16"},
        {"粗铅行业产排污量", "A6", "Cd", "1564.48", "992.64"},
        {"粗铅行业产排污量", "A7", "As", "340.16", "24.96"},
        {"粗铅行业产排污量", "A8", "粉尘", "559360", "12172.96"},
        {"粗铅行业产排污量", "A9", "二氧化硫", "1524048", "319120"},
        {"粗铅行业产排污量", "A10", "冶炼渣", "1342608", "629184"},
        {"粗锌行业污染物排放", "A3", "废水量", "9056", "8994"},
        {"粗锌行业污染物排放", "A4", "Pb", "2413.36", "1767.8"},
        {"粗锌行业污染物排放", "A5", "Zn", "863.7", "280.4"},
        {"粗锌行业污染物排放", "A6", "Cd", "66.9", "17.98"},
        {"粗锌行业污染物排放", "A7", "As", "15.22", "6.08"},
        {"粗锌行业污染物排放", "A8", "粉尘", "50666", "2642.08"},
        {"粗锌行业污染物排放", "A9", "二氧化硫", "250864", "55442"},
        {"粗锌行业污染物排放", "A10", "冶炼渣", "160922", "136576"},
    };
    for (const AmountCase &c : cases) {
        const Sheet &s = storedSheet(QString::fromUtf8(c.window));
        const CellAddress a = *parseCellName(QString::fromUtf8(c.cell));
        const std::string where = std::string(c.window) + " " + c.cell;
        EXPECT_EQ(s.displayText(a.row, 0), QString::fromUtf8(c.name)) << where;
        EXPECT_EQ(s.displayText(a.row, 4), QString::fromUtf8(c.production)) << where;
        EXPECT_EQ(s.displayText(a.row, 5), QString::fromUtf8(c.discharge)) << where;
        EXPECT_TRUE(s.style(a.row, 4).bold && s.style(a.row, 5).color == QLatin1String("#008000")) << where;
    }
}

// The cells around the amounts: prompts, quantities, units with their raised
// 3, headers, merges.
TEST(StoredSheets, PromptsQuantitiesUnitsAndMerges)
{
    struct Case
    {
        const char *window, *cell, *text;
    } cases[] = {
        {"铜精矿污染物", "A1", "请输入产量:"}, {"铜精矿污染物", "C1", "1500"}, {"铜精矿污染物", "D1", "吨"},
        {"铜精矿污染物", "F2", "排污量"}, {"铜精矿污染物", "B10", "t/t-铜精矿含铜"}, {"铜精矿污染物", "D4", "1.08"},
        {"粗铜行业", "A1", "请输入产量"}, {"粗铜行业", "B4", "Nm3/t-粗铜"}, {"粗铜行业", "B7", "M3/t-粗铜"},
        {"粗铜行业", "D12", "0.3538"},
        {"铜锭铜板铅管带", "A1", "铜锭行业"}, {"铜锭铜板铅管带", "C2", "15"}, {"铜锭铜板铅管带", "D2", "吨"},
        {"铜锭铜板铅管带", "E2", "吨"}, {"铜锭铜板铅管带", "A7", "铜板带行业"}, {"铜锭铜板铅管带", "C8", "20"},
        {"铜锭铜板铅管带", "A12", "铜管材行业"}, {"铜锭铜板铅管带", "C13", "300"}, {"铜锭铜板铅管带", "B16", "M3/t-管棒"},
        {"铜锭铜板铅管带", "A8", "请输入原（产）品量"},
        {"粗铅行业产排污量", "C1", "1600"}, {"粗铅行业产排污量", "E1", "吨"}, {"粗铅行业产排污量", "C10", "839.13"},
        {"粗锌行业污染物排放", "C1", "200"}, {"粗锌行业污染物排放", "B3", "M3/t-粗锌"}, {"粗锌行业污染物排放", "C4", "12.0668"},
    };
    for (const Case &c : cases) {
        const Sheet &s = storedSheet(QString::fromUtf8(c.window));
        const CellAddress a = *parseCellName(QString::fromUtf8(c.cell));
        EXPECT_EQ(s.displayText(a.row, a.column), QString::fromUtf8(c.text)) << c.window << " " << c.cell;
    }
    const Sheet &ingot = storedSheet(QStringLiteral("铜锭铜板铅管带"));
    EXPECT_TRUE(ingot.isCovered(1, 3));  // the second 吨 under the merged quantity
    EXPECT_EQ(ingot.merges().size(), 12);
    EXPECT_FALSE(ingot.style(1, 4).bold);
    EXPECT_EQ(ingot.displayRuns(5, 1).size(), 3);  // M, raised 3, /t-铜锭
}

// A sheet with several blocks keeps them apart: a quantity drives its own
// rows only; 0 gives 0 in every amount of its block.
TEST(StoredSheets, BlocksAreIndependent)
{
    Sheet s = storedSheet(QStringLiteral("铜锭铜板铅管带"));
    const Sheet before = s;
    s.setInput(7, 2, QStringLiteral("0"));
    for (int r = 0; r < s.rowCount(); ++r)
        for (int c = 4; c < 6; ++c) {
            if (r >= 8 && r <= 10)
                EXPECT_EQ(s.displayText(r, c), QStringLiteral("0")) << r;
            else
                EXPECT_EQ(s.displayText(r, c), before.displayText(r, c)) << r;
        }
    Sheet concentrate = storedSheet(QStringLiteral("铜精矿污染物"));
    concentrate.setInput(0, 2, QStringLiteral("1000"));
    EXPECT_EQ(concentrate.displayText(2, 4), QStringLiteral("961000"));
    EXPECT_EQ(concentrate.displayText(2, 5), QStringLiteral("417600"));
}

} // namespace
