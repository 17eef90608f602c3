#include "common/sheet.h"

#include "common/number_text.h"

#include <cmath>

namespace corvalen {

namespace {

constexpr int kMaxColumns = 16384;   // A to XFD
constexpr int kMaxRows = 1048576;
constexpr int kMaxNesting = 100;     // parentheses and signs, against hostile input

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Recursive descent over the formula text, writing postfix steps.
class FormulaParser
{
public:
    explicit FormulaParser(QStringView text) : m_text(text) {}

    std::optional<Formula> parse()
    {
        if (!expression(0))
            return std::nullopt;
        skipBlanks();
        if (m_pos != m_text.size() || m_steps.empty())
            return std::nullopt;
        return std::move(m_steps);
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(' '))
            ++m_pos;
    }
    bool peek(char c)
    {
        skipBlanks();
        return m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(c);
    }

    bool expression(int depth)
    {
        if (!term(depth))
            return false;
        while (peek('+') || peek('-')) {
            const bool add = m_text[m_pos++] == QLatin1Char('+');
            if (!term(depth))
                return false;
            m_steps.push_back({add ? FormulaStep::Add : FormulaStep::Subtract});
        }
        return true;
    }
    bool term(int depth)
    {
        if (!unary(depth))
            return false;
        while (peek('*') || peek('/')) {
            const bool multiply = m_text[m_pos++] == QLatin1Char('*');
            if (!unary(depth))
                return false;
            m_steps.push_back({multiply ? FormulaStep::Multiply : FormulaStep::Divide});
        }
        return true;
    }
    bool unary(int depth)
    {
        if (depth > kMaxNesting)
            return false;
        if (peek('-') || peek('+')) {
            const bool negate = m_text[m_pos++] == QLatin1Char('-');
            if (!unary(depth + 1))
                return false;
            if (negate)
                m_steps.push_back({FormulaStep::Negate});
            return true;
        }
        return primary(depth);
    }
    bool primary(int depth)
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            return false;
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char('(')) {
            ++m_pos;
            if (!expression(depth + 1) || !peek(')'))
                return false;
            ++m_pos;
            return true;
        }
        if (isAsciiDigit(c) || c == QLatin1Char('.'))
            return number();
        if (c == QLatin1Char('$') || isAsciiLetter(c))
            return reference();
        return false;
    }
    bool number()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (isAsciiDigit(m_text[m_pos]) || m_text[m_pos] == QLatin1Char('.')))
            ++m_pos;
        if (m_pos < m_text.size() && (m_text[m_pos] == QLatin1Char('E') || m_text[m_pos] == QLatin1Char('e'))) {
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == QLatin1Char('+') || m_text[m_pos] == QLatin1Char('-')))
                ++m_pos;
            while (m_pos < m_text.size() && isAsciiDigit(m_text[m_pos]))
                ++m_pos;
        }
        const std::optional<double> value = ToDouble(m_text.mid(start, m_pos - start));
        if (!value)
            return false;
        m_steps.push_back({FormulaStep::Number, *value});
        return true;
    }
    bool reference()
    {
        const qsizetype start = m_pos;
        if (m_text[m_pos] == QLatin1Char('$'))
            ++m_pos;
        while (m_pos < m_text.size() && isAsciiLetter(m_text[m_pos]))
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('$'))
            ++m_pos;
        while (m_pos < m_text.size() && isAsciiDigit(m_text[m_pos]))
            ++m_pos;
        const std::optional<CellAddress> address = parseCellName(m_text.mid(start, m_pos - start));
        if (!address)
            return false;
        m_steps.push_back({FormulaStep::Reference, 0, address->row, address->column});
        return true;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    Formula m_steps;
};

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

std::optional<CellAddress> parseCellName(QStringView name)
{
    qsizetype pos = 0;
    if (pos < name.size() && name[pos] == QLatin1Char('$'))
        ++pos;
    int column = 0;
    const qsizetype letters = pos;
    while (pos < name.size() && isAsciiLetter(name[pos]) && pos - letters < 3)
        column = column * 26 + (name[pos++].toUpper().unicode() - 'A' + 1);
    if (pos == letters || column > kMaxColumns)
        return std::nullopt;
    if (pos < name.size() && name[pos] == QLatin1Char('$'))
        ++pos;
    const qsizetype digits = pos;
    qint64 row = 0;
    while (pos < name.size() && isAsciiDigit(name[pos]) && pos - digits < 8)
        row = row * 10 + (name[pos++].unicode() - '0');
    if (pos == digits || pos != name.size() || row < 1 || row > kMaxRows)
        return std::nullopt;
    return CellAddress{int(row - 1), column - 1};
}

std::optional<CellRange> parseCellRange(QStringView text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const auto first = parseCellName(colon < 0 ? text : text.left(colon));
    const auto last = colon < 0 ? first : parseCellName(text.mid(colon + 1));
    if (!first || !last || last->row < first->row || last->column < first->column)
        return std::nullopt;
    return CellRange{first->row, first->column, last->row, last->column};
}

QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

std::optional<Formula> parseFormula(QStringView text)
{
    return FormulaParser(text).parse();
}

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
