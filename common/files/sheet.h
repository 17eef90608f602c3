#pragma once

// The program's own small spreadsheet: a grid of cells holding a number, a
// text or a formula, with merged ranges and per-cell styles. QtCore only;
// the window that shows it lives in embedded_spreadsheet_window.h.

#include "common/files/reference_table.h"
#include "common/files/sheet_formula.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace corvalen {

// The texts a failing formula shows instead of a number.
inline constexpr QStringView kSheetValueError = u"#VALUE!";    // text in arithmetic, malformed formula
inline constexpr QStringView kSheetDivisionError = u"#DIV/0!"; // division by zero
inline constexpr QStringView kSheetNumberError = u"#NUM!";     // result beyond the double range
inline constexpr QStringView kSheetReferenceError = u"#REF!";  // a formula that refers to itself

struct CellStyle
{
    bool bold = false;
    QString color;        // "#rrggbb"; empty for the default black
    int pointSize = 9;
};

struct SheetValue
{
    enum Kind { Empty, Number, Text, Error };
    Kind kind = Empty;
    double number = 0;
    QString text;         // the text of a text value, or the error text
};

class Sheet
{
public:
    Sheet(int rows = 0, int columns = 0);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

    // Sets a cell from what a user types: "" empties it, "=..." is a formula,
    // "'..." a text (without the quote), a text that reads as a number a
    // number, anything else a text. Every formula is evaluated again.
    // Addresses outside the sheet are ignored.
    void setInput(int row, int column, const QString &input);
    // A text cell that shows sub- and superscript runs (units such as M3).
    void setTextRuns(int row, int column, const QList<MarkupRun> &runs);

    // What the edit line shows: the formula with its "=", the number in the
    // general format, the text.
    QString input(int row, int column) const;
    bool isFormula(int row, int column) const;
    SheetValue value(int row, int column) const;
    // The value in the general number format (15 significant digits, no
    // trailing zeros), the text, or the error text.
    QString displayText(int row, int column) const;
    // The displayed text as runs; one plain run unless the cell has script runs.
    QList<MarkupRun> displayRuns(int row, int column) const;

    void setStyle(const CellRange &range, const CellStyle &style);
    const CellStyle &style(int row, int column) const;

    // Merged ranges; a covered cell keeps its content but is not shown.
    void addMerge(const CellRange &range);
    const QList<CellRange> &merges() const { return m_merges; }
    // The merge whose top-left cell this is, or null.
    const CellRange *mergeAt(int row, int column) const;
    bool isCovered(int row, int column) const;

    // The shown texts of a range, columns joined by tabs, rows by line feeds;
    // covered cells are empty.
    QString copyText(const CellRange &range) const;

private:
    struct Cell
    {
        enum Kind { Empty, Number, Text, Formula };
        Kind kind = Empty;
        double number = 0;
        QString text;           // text, or the formula's text without "="
        QList<MarkupRun> runs;  // script runs of a text cell
        std::optional<corvalen::Formula> formula;  // empty for a malformed formula
    };

    bool inside(int row, int column) const;
    int index(int row, int column) const { return row * m_columns + column; }
    void recompute();
    const SheetValue &evaluate(int cellIndex);

    int m_rows = 0;
    int m_columns = 0;
    std::vector<Cell> m_cells;
    std::vector<SheetValue> m_values;
    std::vector<unsigned char> m_state;  // evaluation state: 0 pending, 1 running, 2 done
    std::vector<CellStyle> m_styles;
    QList<CellRange> m_merges;
};

} // namespace corvalen
