#pragma once

// Shared by the river profile core tests: reports taken apart into lines.

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace corvalen::test {

// The report's lines, each of which ends with a carriage return; the report
// must end with one.
inline QStringList reportLines(const QString &report)
{
    EXPECT_TRUE(report.endsWith(u'\r')) << report.toStdString();
    QStringList lines = report.split(u'\r');
    lines.removeLast();
    return lines;
}

// A distance line: x and the values, four blanks before each value.
inline QString profileLine(const QString &x, const QStringList &values)
{
    QString line = x;
    for (const QString &value : values)
        line += QLatin1String("    ") + value;
    return line;
}

} // namespace corvalen::test
