// The storage-tank steps as texts: the worked examples, the two ways a box
// is read (converted or by its leading number), the step boundaries and
// what each step leaves when it fails.
#include "fugitive/storage_tank.h"
#include "fugitive/storage_tank_layout.h"

#include <gtest/gtest.h>
#include <set>

using namespace corvalen;

namespace {

struct Case
{
    const char *name;
    QString shown;
    QString expected;
};

void check(const std::vector<Case> &cases)
{
    for (const Case &c : cases)
        EXPECT_EQ(c.shown.toStdString(), c.expected.toStdString()) << c.name;
}

DomeWorkingInputs dome(const char *u = "64", const char *py = "50")
{
    return {.pumpedVolume = "1000", .meanPressure = py, .turnoverFactor = "1", .productFactor = "1",
            .unitFactor = "51.6", .molarMass = u};
}

FloatingWorkingInputs floating(const char *d = "20", const char *c = "0.0025")
{
    return {.throughput = "100000", .adhesion = c, .density = "750", .diameter = d, .columns = "2",
            .columnDiameter = "0.6"};
}

TEST(StorageTank, WorkingLossIsConvertedAndKeepsTheBoxOnFailure)
{
    check({
        {"dome example", domeWorkingLossText(dome(), ""), "2.233"},
        {"dome, u above 172.5 turns negative", domeWorkingLossText(dome("173"), ""), "-484.496"},
        {"dome, u = 172.5 keeps the box", domeWorkingLossText(dome("172.5"), "2.233"), "2.233"},
        {"dome, a failure rewrites a number", domeWorkingLossText(dome("172.5"), "2.23349"), "2.233"},
        {"dome, a failure leaves other text", domeWorkingLossText(dome("172.5"), "abc"), "abc"},
        {"dome, Py of a failed mean is no number", domeWorkingLossText(dome("64", "."), ""), ""},
        {"dome, a leading number is not enough", domeWorkingLossText(dome("64kg"), "1"), "1."},
        {"external example", externalWorkingLossText(floating(), ""), "37.5"},
        {"external, D = 0", externalWorkingLossText(floating("0"), "37.5"), "37.5"},
        {"external, C empty", externalWorkingLossText(floating("20", ""), ""), ""},
        {"internal example", internalWorkingLossText(floating(), ""), "39.75"},
        {"internal, Nc empty fails", internalWorkingLossText({.throughput = "100000", .adhesion = "0.0025",
                                                              .density = "750", .diameter = "20",
                                                              .columnDiameter = "0.6"},
                                                             "7"),
         "7."},
    });
}

TEST(StorageTank, TurnoversAndTheirCoefficient)
{
    check({
        {"N = Q / V", turnoversText("100000", "3000", ""), "33.333"},
        {"N whole", turnoversText("100000", "1000", ""), "100."},
        {"V = 0 keeps N", turnoversText("100000", "0", "33.333"), "33.333"},
        {"V empty keeps an empty N", turnoversText("100000", "", ""), ""},
        {"Q is converted too", turnoversText("1e5x", "1000", "4"), "4."},
    });
    const struct
    {
        const char *name;
        QString n;
        std::optional<QString> kt;
    } cases[] = {
        {"N below 36", "33.333", QStringLiteral("1")},
        {"N = 36 is still 1", "36", QStringLiteral("1")},
        {"N just above 36 rounds to a whole", "36.0001", QStringLiteral("1.")},
        {"N = 36.5", "36.5", QStringLiteral(".989")},
        {"N = 100 as shown", "100.", QStringLiteral(".467")},
        {"a negative N", "-5", QStringLiteral("1")},
        {"N empty keeps Kt", "", std::nullopt},
        {"N a lone point keeps Kt", ".", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(turnoverFactorText(c.n), c.kt) << c.name;
}

TEST(StorageTank, LeadingNumberStepsShowThePointOnFailure)
{
    check({
        {"mean pressure", meanVapourPressureText("40", "61"), "50.5"},
        {"mean pressure of two empty boxes", meanVapourPressureText("", ""), "."},
        {"mean pressure, leading numbers", meanVapourPressureText("40kPa", "60 "), "50."},
        {"mean pressure, too large to hold", meanVapourPressureText("1e309", "1"), "."},

        {"C1, D = 5", diameterCorrectionText("5"), ".4838"},
        {"C1, D empty", diameterCorrectionText(""), ".0826"},
        {"C1, D = 9.13", diameterCorrectionText("9.13"), ".8656"},
        {"C1, just below 9.14", diameterCorrectionText("9.1399"), ".8666"},
        {"C1, D = 9.14", diameterCorrectionText("9.14"), "1"},
        {"C1, D with a unit", diameterCorrectionText("20m"), "1"},
        {"C1, D too large to hold", diameterCorrectionText("1e400"), "."},

        {"Ft example", sealLossFactorText({.sealFactor = "1.2", .windSpeed = "3", .exponent = "1.5"}), "20.9043"},
        {"Ft, V = 0 and a negative n", sealLossFactorText({.sealFactor = "1.2", .windSpeed = "0", .exponent = "-1"}),
         "."},
        {"Ft, a negative V under a fractional n",
         sealLossFactorText({.sealFactor = "1.2", .windSpeed = "-1", .exponent = "0.5"}), "."},

        {"P* example", pressureFunctionText("50", "101.325"), ".1684"},
        {"P*, Pa empty", pressureFunctionText("50", ""), "."},
        {"P*, Py above Pa", pressureFunctionText("120", "101.325"), "."},
        {"P*, Py = Pa", pressureFunctionText("101.325", "101.325"), "1."},

        {"total", annualTotalText("2.233", "1.5"), "3.733"},
        {"total of two empty boxes", annualTotalText("", ""), "."},
        {"total of a negative loss", annualTotalText("-484.496", "2"), "-482.496"},
        {"total, too large to hold", annualTotalText("1e400", "1"), "."},
    });
}

DomeStandingInputs domeStanding(const char *p = "20", const char *p1 = "101.3")
{
    return {.bulkPressure = p, .atmospheric = p1, .vapourHeight = "5", .dailyRange = "10", .paintFactor = "1.2",
            .unitFactor = "3.05", .productFactor = "1", .correction = "1", .diameter = "20"};
}

ExternalStandingInputs externalStanding(const char *ff = "30")
{
    return {.sealLossFactor = "2.5", .diameter = "20", .fittingsFactor = ff, .pressureFunction = "0.1684",
            .molarMass = "64", .productFactor = "1"};
}

InternalStandingInputs internalStanding(const char *kd = "0")
{
    return {.weldFactor = "0.2", .seamFactor = kd, .rimSealFactor = "22", .unitFactor = "0.45",
            .pressureFunction = "0.1684", .molarMass = "64", .diameter = "20", .columnDiameter = "0.6"};
}

TEST(StorageTank, StandingLoss)
{
    check({
        {"dome example", domeStandingLossText(domeStanding()), "43.33"},
        {"dome, P = P1", domeStandingLossText(domeStanding("20", "20")), "."},
        {"dome, P above P1", domeStandingLossText(domeStanding("120", "101.3")), "."},
        {"dome, P and P1 empty", domeStandingLossText(domeStanding("", "")), "."},
        {"dome, P with a unit is read by its leading number", domeStandingLossText(domeStanding("20kPa")), "43.33"},
        {"external example", externalStandingLossText(externalStanding()), "961.793"},
        {"external, Ff counts", externalStandingLossText(externalStanding("40")), "1011.37"},
        {"external, Ff empty", externalStandingLossText(externalStanding("")), "."},
        {"internal example, Kc twice", internalStandingLossText(internalStanding()), "47011.2445"},
        {"internal, a non-welded deck", internalStandingLossText(internalStanding("3.66")), "78252.4892"},
        {"internal, Kd a letter", internalStandingLossText(internalStanding("a")), "."},
    });
}

TEST(StorageTank, TypeInForceAndLayoutTables)
{
    EXPECT_EQ(tankTypeOf(u"拱顶罐"), TankType::Dome);
    EXPECT_EQ(tankTypeOf(u"浮顶油罐"), TankType::ExternalFloating);
    EXPECT_EQ(tankTypeOf(u"内浮顶油罐"), TankType::InternalFloating);
    for (const char *other : {"", "abc", "拱顶罐 ", "浮顶"})
        EXPECT_EQ(tankTypeOf(QString::fromUtf8(other)), std::nullopt) << other;

    // Every box has one row; a double-click names a box of the window.
    std::set<QString> boxes;
    for (const TankRow &row : tankRows())
        EXPECT_TRUE(boxes.insert(QString::fromLatin1(row.box)).second) << row.box;
    for (const TankHelpRow &help : tankHelpRows())
        EXPECT_TRUE(boxes.count(QString::fromLatin1(help.box))) << help.box;
}

} // namespace
