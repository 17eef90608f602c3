// The two unit-conversion formula windows show their stored texts; the
// ppm and ppb equivalences read as corrected (a ppb is 10^-3 mg/kg).
#include "window_driver.h"

#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(UnitFormulaWindows, PpmEquivalencesAndGasFormula)
{
    WindowDriver w(QStringLiteral("常用单位换算"));
    EXPECT_EQ(w.text("Label1").split('\n'), QStringList({
                                                 QStringLiteral("1 ppm = 1 mg/kg = 1000 ug/kg"),
                                                 QStringLiteral("1 ppb = 1 ug/kg = 10^-3 mg/kg"),
                                                 QStringLiteral("1 ug/kg = 1 ppb = 10^-3 ppm"),
                                                 QStringLiteral("1 mg/kg = 1 ppm = 1000 ug/kg"),
                                             }));
    EXPECT_TRUE(w.text("Image1").contains(QStringLiteral("= 1000 M/22.4 μg/M<sup>3</sup>")));
}

TEST(UnitFormulaWindows, ConcentrationFormulasAndLegend)
{
    WindowDriver w(QStringLiteral("浓度单位换算"));
    EXPECT_EQ(w.text("Label1"), QStringLiteral("常用单位换算"));
    const QString picture = w.text("Image1");
    for (const char *part : {"浓度单位的换算", "1000 × d × 质量百分浓度", "当量浓度 × E", "1000 · d", "摩尔浓度",
                             "10<sup>4</sup> d × 质量百分浓度", "E—溶质的克当量", "d—溶液的比重", "M—溶质的摩尔质量"})
        EXPECT_TRUE(picture.contains(QString::fromUtf8(part))) << part;
}

} // namespace
