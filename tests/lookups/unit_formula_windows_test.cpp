// The two unit-conversion formula windows show their stored texts; the
// ppm and ppb equivalences read as corrected (a ppb is 10^-3 mg/kg).
#include "window_driver.h"

#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QStringList shownLines(const QString &window)
{
    WindowDriver w(window);
    auto *box = w.find<QTextEdit>("RichTextBox1");
    return box ? box->toPlainText().split('\n') : QStringList();
}

TEST(UnitFormulaWindows, PpmEquivalencesAndGasFormula)
{
    const QStringList lines = shownLines(QStringLiteral("常用单位换算"));
    const QStringList expected = {
        QStringLiteral("    1 ppm = 1 mg/kg = 1000 ug/kg"),
        QStringLiteral("    1 ppb = 1 ug/kg = 10^-3 mg/kg"),
        QStringLiteral("    1 ug/kg = 1 ppb = 10^-3 ppm"),
        QStringLiteral("    1 mg/kg = 1 ppm = 1000 ug/kg"),
    };
    for (const QString &line : expected)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("    1 ppm = M/22.4 mg/M3 = 1000 M/22.4 μg/M3")));
}

TEST(UnitFormulaWindows, ConcentrationFormulasAndLegend)
{
    const QStringList lines = shownLines(QStringLiteral("浓度单位换算"));
    EXPECT_TRUE(lines.contains(QStringLiteral("    当量浓度 = (1000 × d × 质量百分浓度) / E")));
    EXPECT_TRUE(lines.contains(QStringLiteral("    质量—体积浓度(mg/l) = 104 d × 质量百分浓度")));
    EXPECT_TRUE(lines.contains(QStringLiteral("式中：E—溶质的克当量；")));
    EXPECT_EQ(lines.count(), 10);
}

} // namespace
