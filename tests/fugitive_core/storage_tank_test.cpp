// The storage-tank steps as texts, beyond the window's worked examples: the
// two ways a box is read (converted or by its leading number) and what each
// kind of failure leaves in a box.
#include "fugitive/storage_tank.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

DomeWorkingInputs dome(const char *u = "64", const char *py = "50")
{
    return {.pumpedVolume = "1000", .meanPressure = py, .turnoverFactor = "1", .productFactor = "1",
            .unitFactor = "51.6", .molarMass = u};
}

DomeStandingInputs domeStanding(const char *p, const char *p1)
{
    return {.bulkPressure = p, .atmospheric = p1, .vapourHeight = "5", .dailyRange = "10", .paintFactor = "1.2",
            .unitFactor = "3.05", .productFactor = "1", .correction = "1", .diameter = "20"};
}

TEST(StorageTank, ReadingsAndFailures)
{
    const struct
    {
        const char *name;
        QString shown;
        QString expected;
    } cases[] = {
        // Converted steps keep the box on failure, a number in it rewritten.
        {"working loss, a failure rewrites a number", domeWorkingLossText(dome("172.5"), "2.23349"), "2.233"},
        {"working loss, a failure leaves other text", domeWorkingLossText(dome("172.5"), "abc"), "abc"},
        {"working loss, Py of a failed mean", domeWorkingLossText(dome("64", "."), ""), ""},
        {"working loss, no leading number", domeWorkingLossText(dome("64kg"), "1"), "1."},
        {"internal working loss, Nc empty",
         internalWorkingLossText({.throughput = "100000", .adhesion = "0.0025", .density = "750", .diameter = "20",
                                  .columnDiameter = "0.6"},
                                 "7"),
         "7."},
        {"turnovers, Q with a unit", turnoversText("1e5x", "1000", "4"), "4."},
        {"external standing loss, a letter",
         externalStandingLossText({.sealLossFactor = "2.5", .diameter = "20", .fittingsFactor = "30",
                                   .pressureFunction = "0.1684", .molarMass = "64", .productFactor = "x"}),
         "."},

        // Leading numbers: a unit after the number is no failure; only a
        // number too large to hold is.
        {"mean pressure, units", meanVapourPressureText("40kPa", "60 "), "50."},
        {"mean pressure, too large", meanVapourPressureText("1e309", "1"), "."},
        {"C1, just below 9.14", diameterCorrectionText("9.1399"), ".8666"},
        {"C1, D with a unit", diameterCorrectionText("20m"), "1"},
        {"C1, D too large", diameterCorrectionText("1e400"), "."},
        {"dome standing loss, P with a unit", domeStandingLossText(domeStanding("20kPa", "101.3")), "43.33"},
        {"dome standing loss, P above P1", domeStandingLossText(domeStanding("120", "101.3")), "."},
        {"total, too large", annualTotalText("1e400", "1"), "."},
        {"total of a negative loss", annualTotalText("-484.496", "2"), "-482.496"},

        // Powers: a negative base under a fractional exponent, 0 under a
        // negative one.
        {"Ft, V = 0 and a negative n", sealLossFactorText({.sealFactor = "1.2", .windSpeed = "0", .exponent = "-1"}),
         "."},
        {"Ft, a negative V", sealLossFactorText({.sealFactor = "1.2", .windSpeed = "-1", .exponent = "0.5"}), "."},
        {"P*, Py above Pa", pressureFunctionText("120", "101.325"), "."},
        {"P*, Py = Pa", pressureFunctionText("101.325", "101.325"), "1."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.shown.toStdString(), c.expected.toStdString()) << c.name;
}

TEST(StorageTank, TurnoverCoefficientAroundItsBoundary)
{
    const struct
    {
        const char *name;
        QString n;
        std::optional<QString> kt;
    } cases[] = {
        {"N just above 36 rounds to a whole", "36.0001", QStringLiteral("1.")},
        {"N as shown with its point", "100.", QStringLiteral(".467")},
        {"a negative N", "-5", QStringLiteral("1")},
        {"N a lone point keeps Kt", ".", std::nullopt},
        {"N too large keeps Kt", "1e308", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(turnoverFactorText(c.n), c.kt) << c.name;
}

} // namespace
