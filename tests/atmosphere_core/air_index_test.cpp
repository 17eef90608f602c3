// The air pollution index bands and the scroll-bar scales; the choice of the
// API is checked through the window.
#include "atmosphere/air_index.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

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
    EXPECT_EQ(airSubIndex(AirPollutant::SO2, QStringLiteral("0.1500001")), 100);
    EXPECT_EQ(airSubIndex(AirPollutant::NO2, QStringLiteral("0.1199999")), 99);
    EXPECT_EQ(airSubIndex(AirPollutant::PM10, QStringLiteral("0.6000001")), 500);
}

TEST(AirIndex, ClassBandEdges)
{
    const struct { double api; const char *quality; } cases[] = {
        {-10, "优"}, {50, "优"}, {51, "良"}, {100, "良"}, {101, "轻微污染"}, {150, "轻微污染"},
        {151, "轻度污染"}, {200, "轻度污染"}, {201, "中度污染"}, {250, "中度污染"}, {251, "中度重污染"},
        {300, "中度重污染"}, {301, "重污染"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(airQualityClass(c.api), QString::fromUtf8(c.quality)) << c.api;
}

TEST(AirIndexBars, TextsAndPositions)
{
    const struct { AirPollutant pollutant; int position; const char *text; } texts[] = {
        {AirPollutant::SO2, 1, "."}, {AirPollutant::SO2, 500, "2.62"}, {AirPollutant::NO2, 1, ".001"},
        {AirPollutant::NO2, 500, ".939"}, {AirPollutant::PM10, 500, ".6"},
    };
    for (const auto &c : texts)
        EXPECT_EQ(airBarText(c.pollutant, c.position), QString::fromLatin1(c.text)) << c.position;

    const struct { AirPollutant pollutant; const char *text; std::optional<int> position; } positions[] = {
        {AirPollutant::NO2, "0.94", 500}, {AirPollutant::NO2, "0.95", std::nullopt},
        {AirPollutant::SO2, ".52", 99},   {AirPollutant::PM10, ".0005", std::nullopt},
        {AirPollutant::PM10, "-1", std::nullopt}, {AirPollutant::SO2, "1e300", std::nullopt},
    };
    for (const auto &c : positions)
        EXPECT_EQ(airBarPosition(c.pollutant, QString::fromLatin1(c.text)), c.position) << c.text;
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
                EXPECT_LE(v, 2) << text.toStdString();  // only the left end maps below 1
                continue;
            }
            EXPECT_TRUE(*back == v || *back == v - 1) << int(pollutant) << " " << v << " " << text.toStdString();
        }
    }
}

TEST(AirIndexBars, RedHalvesToEven)
{
    const struct { int position; int red; } cases[] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}, {500, 250}};
    for (const auto &c : cases)
        EXPECT_EQ(airBarRed(c.position), c.red) << c.position;
}

} // namespace
