#pragma once

#include <QString>
#include <ostream>

// Lets gtest print a QString as its text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
