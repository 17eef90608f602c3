#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace corvalen {

// A value of a computation that works on the input texts themselves: nothing
// yet, a whole number, a single, a double or a text. It is what a step gets
// when it uses an input's text directly in arithmetic.
//
// Arithmetic: "+" between two texts joins them ("5" + "5" is "55"); every
// other operation converts its operands to double (a text by ToDouble, a
// value never set counts as 0) and gives a double. An operation fails, and
// gives a failed value, when a text is no number, on a division by zero, and
// when the outcome is beyond the double range or undefined; any operation on
// a failed value fails too, so a chain of operations stops at the first
// failure and the step can tell.
class GeneralValue
{
public:
    enum class Kind { Empty, Whole, Single, Double, Text, Failed };

    GeneralValue() = default;
    GeneralValue(int value) : m_kind(Kind::Whole), m_whole(value) {}
    GeneralValue(long value) : m_kind(Kind::Whole), m_whole(value) {}
    GeneralValue(long long value) : m_kind(Kind::Whole), m_whole(value) {}
    GeneralValue(float value) : m_kind(Kind::Single), m_single(value) {}
    GeneralValue(double value) : m_kind(Kind::Double), m_double(value) {}
    GeneralValue(const QString &text) : m_kind(Kind::Text), m_text(text) {}
    static GeneralValue failed();

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isFailed() const { return m_kind == Kind::Failed; }
    long long whole() const { return m_whole; }
    float single() const { return m_single; }
    double toDouble() const { return m_double; }
    const QString &text() const { return m_text; }

    // The value as a double operand: a text by ToDouble, nothing yet as 0;
    // empty for a text that is no number and for a failed value.
    std::optional<double> asNumber() const;

private:
    Kind m_kind = Kind::Empty;
    long long m_whole = 0;
    float m_single = 0;
    double m_double = 0;
    QString m_text;
};

GeneralValue operator+(const GeneralValue &a, const GeneralValue &b);
GeneralValue operator-(const GeneralValue &a, const GeneralValue &b);
GeneralValue operator*(const GeneralValue &a, const GeneralValue &b);
GeneralValue operator/(const GeneralValue &a, const GeneralValue &b);
// a ^ b.
GeneralValue power(const GeneralValue &a, const GeneralValue &b);
// √a; fails on a negative a (the root is undefined).
GeneralValue squareRoot(const GeneralValue &a);

// Default number text of a general value: its number's text, its text, or
// the empty text when it was never set.
QString ValueText(const GeneralValue &value);

// A general value through a display pattern (ApplyDisplayPattern of
// number_text.h): a text holding a number as that number, any other text
// unchanged, a value never set or failed as zero.
QString ApplyDisplayPattern(const GeneralValue &value, QStringView pattern);

} // namespace corvalen
