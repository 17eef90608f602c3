// The air pollution index: sub-indices, the choice of the API and its
// primary pollutant, the classes and the scroll-bar scales.
#include "atmosphere/air_index.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(AirIndex, WorkedExamples)
{
    const struct {
        const char *name;
        AirIndexInputs in;
        double so2, no2, pm10, api;
        const char *primary;
        const char *quality;
    } cases[] = {
        {"design-time inputs, SO2 wins the tie with PM10", {"0.001", "0.001", "0.001"}, 1, 0, 1, 1, "SO2", "优"},
        {"three sub-indices of 100 go to NO2", {"0.15", "0.12", "0.15"}, 100, 100, 100, 100, "NO2", "良"},
        {"SO2 leads", {"0.2", "0.05", "0.1"}, 107, 31, 75, 107, "SO2", "轻微污染"},
        {"upper bands", {"1.0", "0.3", "0.2"}, 225, 207, 125, 225, "SO2", "中度污染"},
        {"PM10 leads", {"0.05", "0.08", "0.45"}, 50, 50, 337, 337, "PM10", "重污染"},
        {"empty NO2 counts as 0", {"0.2", "", "0.1"}, 107, 0, 75, 107, "SO2", "轻微污染"},
        {"negative concentration, floor", {"-0.01", "", ""}, -10, 0, 0, 0, "NO2", "优"},
        {"nothing is a number", {"abc", ".", "-"}, 0, 0, 0, 0, "NO2", "优"},
        // Beyond the top breakpoint the scale's top: never graded 优.
        {"SO2 beyond the scale", {"3", "0.01", "0.01"}, 500, 6, 10, 500, "SO2", "重污染"},
        {"NO2 beyond the scale", {"0.01", "1e6", "0.7"}, 10, 500, 500, 500, "NO2", "重污染"},
        {"PM10 just beyond the scale", {"0.01", "0.01", "0.6000001"}, 10, 6, 500, 500, "PM10", "重污染"},
        {"N equals P above S", {"0.05", "0.12", "0.15"}, 50, 100, 100, 100, "NO2", "良"},
        {"S equals P above N", {"0.15", "0.08", "0.15"}, 100, 50, 100, 100, "SO2", "良"},
        {"S above N below P", {"0.15", "0.08", "0.35"}, 100, 50, 200, 200, "PM10", "轻度污染"},
    };
    for (const auto &c : cases) {
        const AirIndexResult r = computeAirIndex(c.in);
        EXPECT_EQ(r.so2Index, c.so2) << c.name;
        EXPECT_EQ(r.no2Index, c.no2) << c.name;
        EXPECT_EQ(r.pm10Index, c.pm10) << c.name;
        EXPECT_EQ(r.api, c.api) << c.name;
        EXPECT_EQ(r.primaryPollutant, QString::fromUtf8(c.primary)) << c.name;
        EXPECT_EQ(r.quality, QString::fromUtf8(c.quality)) << c.name;
    }
}

// Every breakpoint falls into the band below it and gives exactly its level.
TEST(AirIndex, BreakpointsGiveTheirLevels)
{
    const struct { AirPollutant pollutant; const char *texts[6]; } cases[] = {
        {AirPollutant::SO2, {"0.05", "0.15", "0.80", "1.60", "2.10", "2.62"}},
        {AirPollutant::NO2, {"0.08", "0.12", "0.28", "0.565", "0.75", "0.94"}},
        {AirPollutant::PM10, {"0.05", "0.15", "0.35", "0.42", "0.50", "0.60"}},
    };
    const double levels[6] = {50, 100, 200, 300, 400, 500};
    for (const auto &c : cases) {
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(airSubIndex(c.pollutant, QString::fromLatin1(c.texts[k])), levels[k]) << c.texts[k];
    }
    // Just above a breakpoint the next band starts from its level.
    EXPECT_EQ(airSubIndex(AirPollutant::SO2, QStringLiteral("0.1500001")), 100);
    EXPECT_EQ(airSubIndex(AirPollutant::NO2, QStringLiteral("0.1199999")), 99);
}

TEST(AirIndex, ClassBandEdges)
{
    const struct { double api; const char *quality; } cases[] = {
        {-10, "优"}, {50, "优"}, {51, "良"}, {100, "良"}, {101, "轻微污染"}, {150, "轻微污染"},
        {151, "轻度污染"}, {200, "轻度污染"}, {201, "中度污染"}, {250, "中度污染"}, {251, "中度重污染"},
        {300, "中度重污染"}, {301, "重污染"}, {500, "重污染"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(airQualityClass(c.api), QString::fromUtf8(c.quality)) << c.api;
}

TEST(AirIndexBars, TextsAtTheEndsAndPositionsFromTexts)
{
    const struct { const char *name; AirPollutant pollutant; int position; const char *text; } texts[] = {
        {"SO2 at 0.001 shows no digit", AirPollutant::SO2, 1, "."},
        {"SO2 right end", AirPollutant::SO2, 500, "2.62"},
        {"SO2 keeps two decimals", AirPollutant::SO2, 100, ".52"},
        {"NO2 left end", AirPollutant::NO2, 1, ".001"},
        {"NO2 right end", AirPollutant::NO2, 500, ".939"},
        {"PM10 left end", AirPollutant::PM10, 1, ".001"},
        {"PM10 right end", AirPollutant::PM10, 500, ".6"},
    };
    for (const auto &c : texts)
        EXPECT_EQ(airBarText(c.pollutant, c.position), QString::fromLatin1(c.text)) << c.name;

    const struct { const char *name; AirPollutant pollutant; const char *text; std::optional<int> position; } positions[] = {
        {"NO2 top breakpoint", AirPollutant::NO2, "0.94", 500},
        {"NO2 beyond the bar", AirPollutant::NO2, "0.95", std::nullopt},
        {"SO2 two decimals land one below", AirPollutant::SO2, ".52", 99},
        {"SO2 top", AirPollutant::SO2, "2.62", 500},
        {"below the bar", AirPollutant::PM10, ".0005", std::nullopt},
        {"negative", AirPollutant::PM10, "-1", std::nullopt},
        {"empty", AirPollutant::SO2, "", std::nullopt},
        {"lone point", AirPollutant::SO2, ".", std::nullopt},
        {"not a number", AirPollutant::SO2, "1,2x", std::nullopt},
        {"huge", AirPollutant::SO2, "1e300", std::nullopt},
    };
    for (const auto &c : positions)
        EXPECT_EQ(airBarPosition(c.pollutant, QString::fromLatin1(c.text)), c.position) << c.name;
}

// A dragged position writes a text that sets the bar back to the same
// position or one below it (the text keeps only the pattern's decimals).
TEST(AirIndexBars, RoundTripStaysWithinOnePosition)
{
    for (AirPollutant pollutant : {AirPollutant::SO2, AirPollutant::NO2, AirPollutant::PM10}) {
        for (int v = kAirIndexBarMinimum; v <= kAirIndexBarMaximum; ++v) {
            const QString text = airBarText(pollutant, v);
            const std::optional<int> back = airBarPosition(pollutant, text);
            if (!back) {
                // Only the leftmost positions write a text that maps below 1.
                EXPECT_LE(v, 2) << text.toStdString();
                continue;
            }
            EXPECT_TRUE(*back == v || *back == v - 1) << int(pollutant) << " " << v << " " << text.toStdString();
        }
    }
}

TEST(AirIndexBars, RedHalvesToEven)
{
    const struct { int position; int red; } cases[] = {{1, 0}, {2, 1}, {3, 2}, {5, 2}, {7, 4}, {499, 250}, {500, 250}};
    for (const auto &c : cases)
        EXPECT_EQ(airBarRed(c.position), c.red) << c.position;
}

} // namespace
