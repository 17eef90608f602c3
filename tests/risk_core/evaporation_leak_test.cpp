// Pool evaporation and leak rates without their windows, with the design
// texts of the windows and one box changed per row.
#include "common/numbers/number_text.h"
#include "risk/leak_rates.h"
#include "risk/pool_evaporation.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

std::string shown(float v)
{
    return SingleText(v).toStdString();
}

// The design texts of each window with one box changed.
template <class Inputs>
Inputs with(Inputs in, QString Inputs::*box, const char *text)
{
    in.*box = QString::fromUtf8(text);
    return in;
}

TEST(RiskRates, OneBoxChangedPerRow)
{
    const FlashInputs flash{"10", "30", "1000", "300", "80", "5000"};
    const HeatInputs heat{QStringLiteral("水泥地"), "300", "275", "10", "12000", "20"};
    const LiquidLeakInputs liquid{"0.02", "0.62", "120000", "101325", "5", "800"};
    const TwoPhaseLeakInputs twoPhase{"0.02", "12000", "10100", "300", "260", "500", "1000", "1200"};
    const struct { const char *name; float rate; const char *shown; } cases[] = {
        {"flash, liquid below its boiling point", flashEvaporationRate(with(flash, &FlashInputs::liquidTemperature, "60")),
         "-1.333333"},
        {"flash, duration empty", flashEvaporationRate(with(flash, &FlashInputs::duration, "")), "0"},
        {"flash, released mass no number", flashEvaporationRate(with(flash, &FlashInputs::released, "10kg")), "0"},
        {"flash, fraction beyond the single range", flashEvaporationRate(with(flash, &FlashInputs::heatCapacity, "1E300")),
         "0"},
        {"heat, typed ground with a blank", heatEvaporationRate(with(heat, &HeatInputs::groundType, "水泥地 ")), "0"},
        {"heat, boiling point above ambient", heatEvaporationRate(with(heat, &HeatInputs::boilingPoint, "325")),
         "-8.051499"},
        {"heat, time 0: radicand 0", heatEvaporationRate(with(heat, &HeatInputs::time, "0")), "0"},
        {"heat, negative time: root of a negative", heatEvaporationRate(with(heat, &HeatInputs::time, "-20")), "0"},
        {"heat, area empty", heatEvaporationRate(with(heat, &HeatInputs::poolArea, "")), "0"},
        {"heat, rate beyond the single range", heatEvaporationRate(with(heat, &HeatInputs::poolArea, "1E39")), "0"},
        {"liquid, density 0", liquidLeakRate(with(liquid, &LiquidLeakInputs::density, "0")), "0"},
        {"liquid, density empty", liquidLeakRate(with(liquid, &LiquidLeakInputs::density, "")), "0"},
        {"liquid, coefficient empty", liquidLeakRate(with(liquid, &LiquidLeakInputs::coefficient, "")), "0"},
        {"liquid, negative radicand", liquidLeakRate(with(liquid, &LiquidLeakInputs::pressure, "-1E6")), "0"},
        {"liquid, rate beyond the single range", liquidLeakRate(with(liquid, &LiquidLeakInputs::area, "3E38")), "0"},
        {"liquid, height no number counts as 0", liquidLeakRate(with(liquid, &LiquidLeakInputs::height, "x")),
         "67.78162"},
        {"two-phase, H empty: Fv 0", twoPhaseLeakRate(with(twoPhase, &TwoPhaseLeakInputs::vaporisationHeat, "")), "57.6"},
        {"two-phase, negative mean density",
         twoPhaseLeakRate(with(twoPhase, &TwoPhaseLeakInputs::vapourDensity, "10000")), "0"},
        {"two-phase, pressure empty", twoPhaseLeakRate(with(twoPhase, &TwoPhaseLeakInputs::pressure, "")), "0"},
        {"two-phase, rate beyond the single range", twoPhaseLeakRate(with(twoPhase, &TwoPhaseLeakInputs::area, "3E38")),
         "0"},
        {"two-phase, area no number", twoPhaseLeakRate(with(twoPhase, &TwoPhaseLeakInputs::area, "0.02m2")), "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(c.rate), c.shown) << c.name;
}

TEST(PoolEvaporation, MassPage)
{
    const MassInputs design{{}, "2000", "350", "2", "10", "80"};
    const struct { const char *name; QString stability; QString MassInputs::*box; QString text; const char *shown; } cases[] = {
        {"full-width comma is no item", "不稳定A，B", nullptr, {}, "kept"},
        {"ambient temperature 0", "中性C", &MassInputs::ambientTemperature, "0", "0"},
        {"negative wind speed", "中性C", &MassInputs::windSpeed, "-2", "0"},
        {"radius empty", "中性C", &MassInputs::poolRadius, "", "0"},
    };
    for (const auto &c : cases) {
        MassInputs in = design;
        in.stability = c.stability;
        if (c.box)
            in.*c.box = c.text;
        const std::optional<float> rate = massEvaporationRate(in);
        EXPECT_EQ(rate ? shown(*rate) : "kept", c.shown) << c.name;
    }
}

TEST(PoolEvaporation, TotalPage)
{
    // The three rates as their boxes show them (cement, unstable).
    const TotalInputs design{"14.66667", "8.051499", "578.8893", "30", "60", "600"};
    const struct { const char *name; QString TotalInputs::*box; QString text; const char *shown; } cases[] = {
        {"a rate empty (heat page not yet computed)", &TotalInputs::heatRate, "", ""},
        {"a rate typed by hand", &TotalInputs::flashRate, "1", "347846.66994"},
        {"a rate shown as infinite", &TotalInputs::massRate, "无穷大", ""},
    };
    for (const auto &c : cases) {
        TotalInputs in = design;
        if (c.box)
            in.*c.box = c.text;
        const std::optional<double> total = totalEvaporation(in);
        EXPECT_EQ(total ? DoubleText(*total).toStdString() : "", c.shown) << c.name;
    }
}

// Figures worked by hand from the guideline's formulas, κ in the radicand:
// design texts r = 0.8417 > rc = 0.8^3 = 0.512, subsonic, Y ≈ 0.7360,
// F = 0.8^5, QG ≈ 0.7360 × 0.9 × 0.02 × 12000 × √(0.32768 × 80 × 1.5 / 4157) ≈ 15.46.
TEST(LeakRates, Gas)
{
    const GasLeakInputs design{"0.02", "12000", "10100", "80", "500", {}, "1.5"};
    const struct {
        const char *name;
        QString GasLeakInputs::*box;
        QString text;
        double rate;
        double outflow;
    } cases[] = {
        {"triangle: Cd 0.95", &GasLeakInputs::shape, "三角形", 16.320, 0.73597},
        {"rectangle: Cd 0.9", &GasLeakInputs::shape, "长方形", 15.461, 0.73597},
        {"ambient 11000: Y about 0.56", &GasLeakInputs::ambientPressure, "11000", 11.710, 0.55744},
        {"ratio equal to rc: critical", &GasLeakInputs::ambientPressure, "6144", 21.008, 1},
    };
    for (const auto &c : cases) {
        GasLeakInputs in = design;
        if (c.box)
            in.*c.box = c.text;
        GasLeak window;
        window.press(in);
        EXPECT_NEAR(window.rate, c.rate, 0.001) << c.name;
        EXPECT_NEAR(window.outflow, c.outflow, 0.00001) << c.name;
    }
    // The critical ratio is 0.512 with κ = 1.5; the guideline's, not (2/(κ+1))^(κ/(κ+1)).
    GasLeak window;
    window.press(design);
    EXPECT_EQ(window.criticalRatio, 0.512f);
}

// The gas window keeps its values from press to press: a box that is no
// number, or a step that cannot be formed, keeps the previous press's value.
TEST(LeakRates, GasKeepsThePreviousPress)
{
    const GasLeakInputs design{"0.02", "12000", "10100", "80", "500", {}, "1.5"};
    const struct { const char *name; QString GasLeakInputs::*box; QString text; } cases[] = {
        {"temperature no number", &GasLeakInputs::temperature, "500K"},
    };
    for (const auto &c : cases) {
        GasLeak window;
        window.press(design);
        GasLeakInputs in = design;
        in.*c.box = c.text;
        window.press(in);
        EXPECT_EQ(shown(window.rate), "15.46112") << c.name;
    }
    GasLeak fresh;
    fresh.press({"", "", "", "", "", {}, ""});
    EXPECT_EQ(shown(fresh.rate), "0");
}

} // namespace
