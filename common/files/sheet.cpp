#include "common/files/sheet.h"

#include "common/numbers/number_text.h"

#include <cmath>

namespace corvalen {

namespace {

SheetValue errorValue(QStringView text)
{
    return SheetValue{SheetValue::Error, 0, text.toString()};
}

SheetValue numberValue(double number)
{
    if (!std::isfinite(number))
        return errorValue(kSheetNumberError);
    return SheetValue{SheetValue::Number, number, QString()};
}

// The number an operand stands for in arithmetic: an empty cell is 0, a
// text only where it reads as a number.
bool toOperand(SheetValue &value)
{
    switch (value.kind) {
    case SheetValue::Empty:
        value = numberValue(0);
        return true;
    case SheetValue::Number:
        return true;
    case SheetValue::Text:
        if (const std::optional<double> number = ToDouble(value.text)) {
            value = numberValue(*number);
            return true;
        }
        value = errorValue(kSheetValueError);
        return false;
    case SheetValue::Error:
        return false;
    }
    return false;
}

} // namespace

Sheet::Sheet(int rows, int columns)
    : m_rows(qMax(rows, 0)), m_columns(qMax(columns, 0)),
      m_cells(size_t(m_rows) * m_columns), m_values(m_cells.size()), m_state(m_cells.size(), 2),
      m_styles(m_cells.size())
{
}

bool Sheet::inside(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

void Sheet::setInput(int row, int column, const QString &input)
{
    if (!inside(row, column))
        return;
    Cell cell;
    if (input.isEmpty()) {
        cell.kind = Cell::Empty;
    } else if (input.startsWith(QLatin1Char('='))) {
        cell.kind = Cell::Formula;
        cell.text = input.mid(1);
        cell.formula = parseFormula(cell.text);
    } else if (input.startsWith(QLatin1Char('\''))) {
        cell.kind = Cell::Text;
        cell.text = input.mid(1);
    } else if (const std::optional<double> number = ToDouble(input)) {
        cell.kind = Cell::Number;
        cell.number = *number;
    } else {
        cell.kind = Cell::Text;
        cell.text = input;
    }
    m_cells[index(row, column)] = std::move(cell);
    recompute();
}

void Sheet::setTextRuns(int row, int column, const QList<MarkupRun> &runs)
{
    if (!inside(row, column))
        return;
    Cell &cell = m_cells[index(row, column)];
    cell.kind = Cell::Text;
    cell.text.clear();
    for (const MarkupRun &run : runs)
        cell.text += run.text;
    cell.runs = runs;
    recompute();
}

QString Sheet::input(int row, int column) const
{
    if (!inside(row, column))
        return QString();
    const Cell &cell = m_cells[index(row, column)];
    switch (cell.kind) {
    case Cell::Empty:
        return QString();
    case Cell::Number:
        return DoubleText(cell.number);
    case Cell::Text:
        // A text that would read as a number or a formula keeps its quote.
        if (ToDouble(cell.text) || cell.text.startsWith(QLatin1Char('=')) || cell.text.startsWith(QLatin1Char('\'')))
            return QLatin1Char('\'') + cell.text;
        return cell.text;
    case Cell::Formula:
        return QLatin1Char('=') + cell.text;
    }
    return QString();
}

bool Sheet::isFormula(int row, int column) const
{
    return inside(row, column) && m_cells[index(row, column)].kind == Cell::Formula;
}

SheetValue Sheet::value(int row, int column) const
{
    if (!inside(row, column))
        return SheetValue();
    return m_values[index(row, column)];
}

QString Sheet::displayText(int row, int column) const
{
    const SheetValue v = value(row, column);
    switch (v.kind) {
    case SheetValue::Empty:
        return QString();
    case SheetValue::Number:
        return DoubleText(v.number);
    case SheetValue::Text:
    case SheetValue::Error:
        return v.text;
    }
    return QString();
}

QList<MarkupRun> Sheet::displayRuns(int row, int column) const
{
    if (inside(row, column)) {
        const Cell &cell = m_cells[index(row, column)];
        if (cell.kind == Cell::Text && !cell.runs.isEmpty())
            return cell.runs;
    }
    const QString text = displayText(row, column);
    if (text.isEmpty())
        return {};
    return {MarkupRun{text, 0}};
}

void Sheet::setStyle(const CellRange &range, const CellStyle &style)
{
    for (int r = qMax(range.top, 0); r <= qMin(range.bottom, m_rows - 1); ++r)
        for (int c = qMax(range.left, 0); c <= qMin(range.right, m_columns - 1); ++c)
            m_styles[index(r, c)] = style;
}

const CellStyle &Sheet::style(int row, int column) const
{
    static const CellStyle plain;
    return inside(row, column) ? m_styles[index(row, column)] : plain;
}

void Sheet::addMerge(const CellRange &range)
{
    m_merges.append(range);
}

const CellRange *Sheet::mergeAt(int row, int column) const
{
    for (const CellRange &range : m_merges)
        if (range.top == row && range.left == column)
            return &range;
    return nullptr;
}

bool Sheet::isCovered(int row, int column) const
{
    for (const CellRange &range : m_merges)
        if (range.contains(row, column) && (range.top != row || range.left != column))
            return true;
    return false;
}

QString Sheet::copyText(const CellRange &range) const
{
    QStringList lines;
    for (int r = range.top; r <= range.bottom; ++r) {
        QStringList cells;
        for (int c = range.left; c <= range.right; ++c)
            cells.append(isCovered(r, c) ? QString() : displayText(r, c));
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n'));
}

void Sheet::recompute()
{
    for (size_t i = 0; i < m_cells.size(); ++i)
        m_state[i] = m_cells[i].kind == Cell::Formula ? 0 : 2;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const Cell &cell = m_cells[i];
        if (cell.kind == Cell::Number)
            m_values[i] = numberValue(cell.number);
        else if (cell.kind == Cell::Text)
            m_values[i] = SheetValue{SheetValue::Text, 0, cell.text};
        else
            m_values[i] = SheetValue();
    }
    for (size_t i = 0; i < m_cells.size(); ++i)
        evaluate(int(i));
}

const SheetValue &Sheet::evaluate(int cellIndex)
{
    SheetValue &result = m_values[cellIndex];
    if (m_state[cellIndex] == 2)
        return result;
    if (m_state[cellIndex] == 1) {
        // Reached again while it is being evaluated: the formula refers to
        // itself through its references.
        static const SheetValue circular = errorValue(kSheetReferenceError);
        return circular;
    }
    m_state[cellIndex] = 1;
    const Cell &cell = m_cells[cellIndex];
    SheetValue outcome;
    if (!cell.formula) {
        outcome = errorValue(kSheetValueError);
    } else {
        std::vector<SheetValue> stack;
        for (const FormulaStep &step : *cell.formula) {
            if (step.op == FormulaStep::Number) {
                stack.push_back(numberValue(step.number));
            } else if (step.op == FormulaStep::Reference) {
                stack.push_back(inside(step.row, step.column) ? evaluate(index(step.row, step.column)) : SheetValue());
            } else if (step.op == FormulaStep::Negate) {
                SheetValue &operand = stack.back();
                if (toOperand(operand))
                    operand = numberValue(-operand.number);
            } else {
                SheetValue right = std::move(stack.back());
                stack.pop_back();
                SheetValue &left = stack.back();
                if (!toOperand(left))
                    continue;
                if (!toOperand(right)) {
                    left = right;
                    continue;
                }
                switch (step.op) {
                case FormulaStep::Add:
                    left = numberValue(left.number + right.number);
                    break;
                case FormulaStep::Subtract:
                    left = numberValue(left.number - right.number);
                    break;
                case FormulaStep::Multiply:
                    left = numberValue(left.number * right.number);
                    break;
                default:
                    left = right.number == 0 ? errorValue(kSheetDivisionError) : numberValue(left.number / right.number);
                    break;
                }
            }
        }
        outcome = std::move(stack.back());
        // A lone reference to an empty cell shows 0, to a text the text.
        if (outcome.kind == SheetValue::Empty)
            outcome = numberValue(0);
    }
    result = std::move(outcome);
    m_state[cellIndex] = 2;
    return result;
}

} // namespace corvalen
