// Plume rise: the heat release rate, the choice among the formulas at each
// of its bounds, and the report.
#include "atmosphere/plume_rise.h"
#include "common/numbers/number_text.h"
#include "../tables/qstring_print.h"

#include <functional>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// The window's design-time inputs with a class chosen and its default
// gradient, changed by `edit`.
PlumeRiseInputs design(const char *cls = "", const std::function<void(PlumeRiseInputs &)> &edit = {})
{
    PlumeRiseInputs in{u8("60"), u8("1"), u8("10"), u8("100"), u8(cls), u8("2"), u8("3"), u8("15"), u8("-0.0098"),
                       u8("1"), true};
    if (const auto gradient = defaultLapseRate(in.stabilityClass))
        in.lapseRate = DoubleText(*gradient);
    if (edit)
        edit(in);
    return in;
}

QString line(const PlumeRiseResult &r, int number)
{
    return r.report.split(QLatin1Char('\n')).value(number - 1);
}

// The worked examples, with the heat release rate of the guideline
// (pressure in hPa, flue-gas temperature in kelvin).
TEST(PlumeRise, WorkedExamples)
{
    const struct {
        const char *name;
        PlumeRiseInputs in;
        PlumeRiseRule rule;
        const char *qh, *vs, *n0, *n1, *n2, *rise, *he;
    } cases[] = {
        {"no class chosen", design(), PlumeRiseRule::None, "807.8303", "", "0", "0", "0", "", "60."},
        {"D: small source", design("D"), PlumeRiseRule::SmallSource, "807.8303", "12.7324", "0", "0", "0", "18.1179",
         "78.1179"},
        {"E: stable", design("E"), PlumeRiseRule::Stable, "807.8303", "", "0", "0", "0", "30.1757", "90.1757"},
        {"F: stable", design("F"), PlumeRiseRule::Stable, "807.8303", "", "0", "0", "0", "23.8696", "83.8696"},
        {"large source, rural",
         design("C", [](auto &in) { in.gasFlow = u8("200"), in.gasTemperature = u8("150"); }),
         PlumeRiseRule::PowerLawUpper, "22628.4119", "", "1.427", "0.333333333333333", "0.666666666666667",
         "206.1998", "266.1998"},
        {"large source, urban",
         design("C", [](auto &in) { in.gasFlow = u8("200"), in.gasTemperature = u8("150"), in.rural = false; }),
         PlumeRiseRule::PowerLawUpper, "22628.4119", "", "1.303", "0.333333333333333", "0.666666666666667",
         "188.2819", "248.2819"},
        // The power law is reported only where it holds; a stable class sets none.
        {"large source, stable",
         design("E", [](auto &in) { in.gasFlow = u8("200"), in.gasTemperature = u8("150"); }),
         PlumeRiseRule::Stable, "22628.4119", "", "", "", "", "91.6436", "151.6436"},
    };
    for (const auto &c : cases) {
        const PlumeRiseResult r = computePlumeRise(c.in);
        EXPECT_EQ(r.rule, c.rule) << c.name;
        EXPECT_EQ(line(r, 15), u8("    烟气热释放率   Qh = ") + u8(c.qh) + u8("(KJ/s)")) << c.name;
        EXPECT_EQ(line(r, 16), u8("    烟气出口处排出风速 Vs = ") + u8(c.vs) + u8("(m/s)")) << c.name;
        EXPECT_EQ(line(r, 17), u8("    烟气热状况及地表状况系数 n0 =") + u8(c.n0)) << c.name;
        EXPECT_EQ(line(r, 18), u8("    烟气热释放率指数 n1 =") + u8(c.n1)) << c.name;
        EXPECT_EQ(line(r, 19), u8("    排气筒高度指数 n2 = ") + u8(c.n2)) << c.name;
        EXPECT_EQ(line(r, 20), u8("    烟气抬升高度 ΔH = ") + u8(c.rise) + u8("(m)")) << c.name;
        EXPECT_EQ(line(r, 21), u8("    烟囱有效高度 He = ") + u8(c.he) + u8("(m)")) << c.name;
    }
}

// Inputs found to give the bound of Qh exactly in double arithmetic.
TEST(PlumeRise, RuleAtEachBound)
{
    const auto with = [](const char *cls, const char *qv, const char *ts, const char *pa, const char *t = "15") {
        return design(cls, [=](auto &in) {
            in.gasFlow = u8(qv), in.gasTemperature = u8(ts), in.pressure = u8(pa), in.airTemperature = u8(t);
        });
    };
    const struct { const char *name; PlumeRiseInputs in; double qh; PlumeRiseRule rule; } cases[] = {
        {"Qh exactly 21000", with("A", "211.7671739041959", "126.85", "1"), 21000, PlumeRiseRule::PowerLawUpper},
        {"Qh below 21000", with("A", "211.767", "126.85", "1"), 20999.98, PlumeRiseRule::PowerLawLower},
        {"Qh exactly 2100", with("A", "23.6323262229998", "100", "1.1"), 2100, PlumeRiseRule::PowerLawLower},
        {"Qh exactly 2100, ΔT exactly 35", with("C", "60.7474768836723", "50", "0.9"), 2100,
         PlumeRiseRule::PowerLawLower},
        {"ΔT below 35 above 2100", with("C", "61", "49.99", "0.9"), 2108.2, PlumeRiseRule::SmallSource},
        {"Qh below 2100", with("A", "23.63", "100", "1.1"), 2099.79, PlumeRiseRule::Transition},
        {"transition band, ΔT below 35", with("B", "67", "40", "1"), 1896.91, PlumeRiseRule::Transition},
        {"Qh above 1700", with("B", "26.31", "100", "0.8"), 1700.32, PlumeRiseRule::Transition},
        {"Qh exactly 1700", with("B", "26.3050297839343", "100", "0.8"), 1700, PlumeRiseRule::SmallSource},
    };
    for (const auto &c : cases) {
        const PlumeRiseResult r = computePlumeRise(c.in);
        ASSERT_TRUE(r.heatRelease) << c.name;
        EXPECT_NEAR(*r.heatRelease, c.qh, 0.01) << c.name;
        EXPECT_EQ(r.rule, c.rule) << c.name;
        EXPECT_TRUE(r.rise) << c.name;
    }
}

// The band between 1700 and 2100 kJ/s joins the small-source value at its
// lower end and the power law at its upper end.
TEST(PlumeRise, TransitionBandIsContinuous)
{
    const auto rise = [](const char *qv) {
        return *computePlumeRise(design("B", [=](auto &in) { in.gasFlow = u8(qv), in.pressure = u8("0.8"); })).rise;
    };
    EXPECT_NEAR(rise("26.3050297839343"), rise("26.30503"), 1e-4);       // at 1700 kJ/s
    EXPECT_NEAR(rise("32.495624"), rise("32.4956"), 1e-3);               // at 2100 kJ/s
    EXPECT_EQ(computePlumeRise(design("B", [](auto &in) { in.gasFlow = u8("32.4957"), in.pressure = u8("0.8"); })).rule,
              PlumeRiseRule::PowerLawLower);
}

TEST(PlumeRise, WindAndClassSelectTheRule)
{
    const struct { const char *name; PlumeRiseInputs in; PlumeRiseRule rule; bool rise; } cases[] = {
        {"U exactly 1.5 takes the neutral rules", design("C", [](auto &in) { in.windSpeed = u8("1.5"); }),
         PlumeRiseRule::SmallSource, true},
        {"U 1.49 calm whatever the class", design("C", [](auto &in) { in.windSpeed = u8("1.49"); }),
         PlumeRiseRule::Calm, false},
        {"calm with a stable gradient", design("F", [](auto &in) { in.windSpeed = u8("1"); }), PlumeRiseRule::Calm,
         true},
        {"calm, class outside the list", design("xyz", [](auto &in) { in.windSpeed = u8("0"), in.lapseRate = u8("0"); }),
         PlumeRiseRule::Calm, true},
        {"class outside the list", design("c"), PlumeRiseRule::None, false},
        {"D-E is stable and keeps the gradient", design("D-E", [](auto &in) { in.lapseRate = u8("0.005"); }),
         PlumeRiseRule::Stable, true},
        {"wind not a number", design("C", [](auto &in) { in.windSpeed = u8("3m/s"); }), PlumeRiseRule::None, false},
        // dT/dz + 0.0098 at or below 0 raised to a negative power.
        {"adiabatic gradient, stable", design("E", [](auto &in) { in.lapseRate = u8("-0.0098"); }),
         PlumeRiseRule::Stable, false},
        {"superadiabatic gradient, calm", design("E", [](auto &in) { in.lapseRate = u8("-0.02"), in.windSpeed = u8("1"); }),
         PlumeRiseRule::Calm, false},
    };
    for (const auto &c : cases) {
        const PlumeRiseResult r = computePlumeRise(c.in);
        EXPECT_EQ(r.rule, c.rule) << c.name;
        EXPECT_EQ(r.rise.has_value(), c.rise) << c.name;
        // Without a rise He is H alone.
        if (!c.rise) {
            EXPECT_EQ(r.effectiveHeight, 60) << c.name;
        }
    }
}

TEST(PlumeRise, FailedStepsCountAsZeroLater)
{
    // No pressure: Qh is 0, the small-source rise is that of the exit velocity alone.
    const PlumeRiseResult noPressure = computePlumeRise(design("D", [](auto &in) { in.pressure = u8("atm"); }));
    EXPECT_EQ(noPressure.heatRelease, 0);
    EXPECT_EQ(line(noPressure, 11), u8("    大气比标压 Pa = atm(个)标压"));
    // No flue-gas temperature: ΔT and Qh have no value.
    const PlumeRiseResult noTemperature = computePlumeRise(design("D", [](auto &in) { in.gasTemperature = u8(""); }));
    EXPECT_EQ(line(noTemperature, 14), u8("    烟气温度与环境温差 ΔT = (℃)"));
    EXPECT_EQ(line(noTemperature, 15), u8("    烟气热释放率   Qh = (KJ/s)"));
    EXPECT_EQ(noTemperature.rule, PlumeRiseRule::SmallSource);
    // Flue gas at absolute zero divides by zero.
    EXPECT_FALSE(computePlumeRise(design("D", [](auto &in) { in.gasTemperature = u8("-273.15"); })).heatRelease);
    // A diameter of 0: no exit velocity, which then counts as 0 in the rise.
    const PlumeRiseResult zeroDiameter = computePlumeRise(design("D", [](auto &in) { in.diameter = u8("0"); }));
    EXPECT_FALSE(zeroDiameter.exitVelocity);
    EXPECT_EQ(line(zeroDiameter, 20), u8("    烟气抬升高度 ΔH = 5.3855(m)"));
    // A diameter that is no number fails the rise too.
    EXPECT_FALSE(computePlumeRise(design("D", [](auto &in) { in.diameter = u8("d"); })).rise);
    // No height: no He.
    EXPECT_FALSE(computePlumeRise(design("D", [](auto &in) { in.height = u8("H"); })).effectiveHeight);
}

TEST(PlumeRise, ReportLines)
{
    EXPECT_EQ(computePlumeRise(design("D")).report,
              u8("项目所在位置:农村或城市远郊\n"
                 "参数:\n"
                 "    烟囱几何高度 H =60(m)\n"
                 "    烟囱出口内直径 d =1(m)\n"
                 "    烟囱烟气排放率 Qv = 10(m^3/s)\n"
                 "    烟囱出口烟气温度 Ts = 100(℃)\n"
                 "    地面10m处平均风速 U10 =2(m/s)\n"
                 "    烟囱出口处平均风速 U = 3(m/s)\n"
                 "    稳定度等级 = D\n"
                 "    烟囱出口处的大气温度 Ta = 15(℃)\n"
                 "    大气比标压 Pa = 1(个)标压\n"
                 "    烟囱几何高度以上的大气温度梯度 dTdz = -0.0098(K/m)\n"
                 "结果:\n"
                 "    烟气温度与环境温差 ΔT = 85(℃)\n"
                 "    烟气热释放率   Qh = 807.8303(KJ/s)\n"
                 "    烟气出口处排出风速 Vs = 12.7324(m/s)\n"
                 "    烟气热状况及地表状况系数 n0 =0\n"
                 "    烟气热释放率指数 n1 =0\n"
                 "    排气筒高度指数 n2 = 0\n"
                 "    烟气抬升高度 ΔH = 18.1179(m)\n"
                 "    烟囱有效高度 He = 78.1179(m)\n"));
}

} // namespace
