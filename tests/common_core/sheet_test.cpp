// The sheet engine without a window: formulas, references, the general
// number format and the error texts.
#include "common/files/sheet.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

struct FormulaCase
{
    const char *name;
    const char *formula;  // in B1; A1 holds 1500, A2 the text "吨", A3 is empty
    const char *shown;
};

TEST(SheetFormula, EvaluatesAndShowsInTheGeneralFormat)
{
    const FormulaCase cases[] = {
        {"product", "=0.57*A1", "855"},  // 854.9999999999999 in double
        {"absolute reference", "=$A$1*961", "1441500"},
        {"mixed absolute", "=A$1+$A1", "3000"},
        {"precedence", "=1+2*3-4/2", "5"},
        {"parentheses", "=(1+2)*3", "9"},
        {"unary minus", "=-A1*-2", "3000"},
        {"unary plus and blanks", "= + 2 * ( 3 )", "6"},
        {"exponent number", "=1.5E3+.5", "1500.5"},
        {"fifteen digits", "=1/3", "0.333333333333333"},
        {"exponent form", "=1E15*10", "1E+16"},
        {"small", "=1/100000", "1E-05"},
        {"negative zero", "=-0", "0"},
        {"empty cell counts as 0", "=A3*5+1", "1"},
        {"lone empty reference", "=A3", "0"},
        {"outside the grid counts as empty", "=Z99+2", "2"},
        {"text shown", "=A2", "吨"},
        {"text in arithmetic", "=A2*2", "#VALUE!"},
        {"negated text", "=-A2", "#VALUE!"},
        {"division by zero", "=A1/0", "#DIV/0!"},
        {"division by empty", "=A1/A3", "#DIV/0!"},
        {"overflow", "=1E308*10", "#NUM!"},
        {"refers to itself", "=B1+1", "#REF!"},
        {"malformed: dangling operator", "=1+", "#VALUE!"},
        {"malformed: unknown name", "=abc", "#VALUE!"},
        {"malformed: empty", "=", "#VALUE!"},
        {"malformed: unclosed", "=(1+2", "#VALUE!"},
        {"malformed: row 0", "=A0", "#VALUE!"},
        {"malformed: deep nesting", "=((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((1", "#VALUE!"},
    };
    for (const FormulaCase &c : cases) {
        Sheet sheet(3, 2);
        sheet.setInput(0, 0, QStringLiteral("1500"));
        sheet.setInput(1, 0, QStringLiteral("吨"));
        sheet.setInput(0, 1, QString::fromUtf8(c.formula));
        EXPECT_EQ(sheet.displayText(0, 1), QString::fromUtf8(c.shown)) << c.name;
        EXPECT_EQ(sheet.input(0, 1), QString::fromUtf8(c.formula)) << c.name;
    }
}

TEST(SheetFormula, ErrorsPassThroughLaterFormulas)
{
    Sheet sheet(1, 4);
    sheet.setInput(0, 0, QStringLiteral("=1/0"));
    sheet.setInput(0, 1, QStringLiteral("=A1+1"));
    sheet.setInput(0, 2, QStringLiteral("=5*abc"));
    sheet.setInput(0, 3, QStringLiteral("=C1/0"));
    EXPECT_EQ(sheet.displayText(0, 1), QStringLiteral("#DIV/0!"));
    EXPECT_EQ(sheet.displayText(0, 3), QStringLiteral("#VALUE!"));
}

TEST(SheetFormula, CycleOfSeveralCellsIsAnErrorAndBreaksWhenEdited)
{
    Sheet sheet(1, 3);
    sheet.setInput(0, 0, QStringLiteral("=B1"));
    sheet.setInput(0, 1, QStringLiteral("=C1*2"));
    sheet.setInput(0, 2, QStringLiteral("=A1"));
    EXPECT_EQ(sheet.displayText(0, 0), QStringLiteral("#REF!"));
    EXPECT_EQ(sheet.displayText(0, 2), QStringLiteral("#REF!"));
    sheet.setInput(0, 2, QStringLiteral("4"));
    EXPECT_EQ(sheet.displayText(0, 0), QStringLiteral("8"));
}

TEST(SheetInput, KindsOfTypedText)
{
    struct Case
    {
        const char *name, *typed, *input, *shown;
        SheetValue::Kind kind;
    } cases[] = {
        {"number", " 1,500 ", "1500", "1500", SheetValue::Number},
        {"number kept in full", "854.9999999999999", "855", "855", SheetValue::Number},
        {"text", "吨", "吨", "吨", SheetValue::Text},
        {"quoted number stays text", "'12", "'12", "12", SheetValue::Text},
        {"quoted formula stays text", "'=A1", "'=A1", "=A1", SheetValue::Text},
        {"too large a number is text", "1e999", "1e999", "1e999", SheetValue::Text},
        {"empty", "", "", "", SheetValue::Empty},
    };
    for (const Case &c : cases) {
        Sheet sheet(1, 1);
        sheet.setInput(0, 0, QStringLiteral("x"));
        sheet.setInput(0, 0, QString::fromUtf8(c.typed));
        EXPECT_EQ(sheet.input(0, 0), QString::fromUtf8(c.input)) << c.name;
        EXPECT_EQ(sheet.displayText(0, 0), QString::fromUtf8(c.shown)) << c.name;
        EXPECT_EQ(sheet.value(0, 0).kind, c.kind) << c.name;
    }
}

TEST(SheetInput, ReferencesFollowEditsAndTextCellsCoerceOnlyNumbers)
{
    Sheet sheet(2, 2);
    sheet.setInput(0, 0, QStringLiteral("1500"));
    sheet.setInput(1, 0, QStringLiteral("=A1*2"));
    sheet.setInput(1, 1, QStringLiteral("=A2+1"));
    EXPECT_EQ(sheet.displayText(1, 1), QStringLiteral("3001"));
    sheet.setInput(0, 0, QStringLiteral("1000"));
    EXPECT_EQ(sheet.displayText(1, 1), QStringLiteral("2001"));
    sheet.setInput(0, 0, QStringLiteral("'7"));
    EXPECT_EQ(sheet.displayText(1, 1), QStringLiteral("15"));
    sheet.setInput(0, 0, QString());
    EXPECT_EQ(sheet.displayText(1, 1), QStringLiteral("1"));
    // Out of the grid: ignored.
    sheet.setInput(5, 5, QStringLiteral("1"));
    sheet.setInput(-1, 0, QStringLiteral("1"));
    EXPECT_EQ(sheet.displayText(1, 1), QStringLiteral("1"));
}

TEST(SheetCells, NamesAndRanges)
{
    EXPECT_EQ(parseCellName(u"C13")->row, 12);
    EXPECT_EQ(parseCellName(u"$AB$2")->column, 27);
    EXPECT_EQ(parseCellName(u"xfd1048576")->column, 16383);
    for (const char16_t *bad : {u"", u"A", u"1", u"A0", u"XFE1", u"A1048577", u"A1B", u"$$A1", u"AAAA1"})
        EXPECT_FALSE(parseCellName(bad)) << QString::fromUtf16(bad).toStdString();
    const auto range = parseCellRange(u"A1:B2");
    ASSERT_TRUE(range);
    EXPECT_TRUE(range->contains(1, 1));
    EXPECT_FALSE(range->contains(2, 0));
    EXPECT_FALSE(parseCellRange(u"B2:A1"));
    EXPECT_EQ(columnName(0), QStringLiteral("A"));
    EXPECT_EQ(columnName(25), QStringLiteral("Z"));
    EXPECT_EQ(columnName(26), QStringLiteral("AA"));
    EXPECT_EQ(cellName(12, 2), QStringLiteral("C13"));
}

} // namespace
