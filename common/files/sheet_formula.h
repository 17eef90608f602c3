#pragma once

// Cell names, ranges and the formulas of the sheets. QtCore only.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace corvalen {

// A rectangle of cells, 0-based and inclusive.
struct CellRange
{
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    bool contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool intersects(const CellRange &other) const
    {
        return top <= other.bottom && other.top <= bottom && left <= other.right && other.left <= right;
    }
};

// "C1" as the 0-based row and column; "$C$1" too. Columns A to XFD, rows 1
// to 1048576.
struct CellAddress
{
    int row = 0;
    int column = 0;
};
std::optional<CellAddress> parseCellName(QStringView name);
// "A1:B1", or a single cell "C1".
std::optional<CellRange> parseCellRange(QStringView text);
QString columnName(int column);  // 0 gives "A"
QString cellName(int row, int column);  // (0, 2) gives "C1"

// A parsed formula in postfix order; evaluated against a Sheet.
struct FormulaStep
{
    enum Op { Number, Reference, Negate, Add, Subtract, Multiply, Divide };
    Op op;
    double number = 0;
    int row = 0;
    int column = 0;
};
using Formula = std::vector<FormulaStep>;

// Parses the text after "=": numbers, cell references (relative or with $),
// + - * /, parentheses and unary minus and plus. Empty on a malformed text.
std::optional<Formula> parseFormula(QStringView text);

} // namespace corvalen
