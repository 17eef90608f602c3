#include "common/files/sheet_formula.h"

#include "common/numbers/number_text.h"

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

QString cellName(int row, int column)
{
    return columnName(column) + QStringLiteral("%1").arg(row + 1);
}

std::optional<Formula> parseFormula(QStringView text)
{
    return FormulaParser(text).parse();
}

} // namespace corvalen
