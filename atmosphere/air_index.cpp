#include "atmosphere/air_index.h"

#include "common/numbers/number_text.h"

#include <cmath>

namespace corvalen {
namespace {

// Index levels of the breakpoints.
constexpr std::array<double, 6> kLevels = {50, 100, 200, 300, 400, 500};

// Daily-mean breakpoints (mg/m³) of the API bands; the bars span 0.001 mg/m³
// to the top breakpoint in 500 positions.
const std::array<AirPollutantScale, 3> kScales = {{
    {AirPollutant::SO2, u"SO2", {0.05, 0.15, 0.80, 1.60, 2.10, 2.62}, 0.005248, 0.004248, u"####.##"},
    {AirPollutant::NO2, u"NO2", {0.08, 0.12, 0.28, 0.565, 0.75, 0.94}, 0.00188, 0.0008, u"####.###"},
    {AirPollutant::PM10, u"PM10", {0.05, 0.15, 0.35, 0.42, 0.50, 0.60}, 0.0012, 0.0002, u"####.###"},
}};

// The unrounded sub-index of a concentration. Each band excludes its lower
// and includes its upper breakpoint, so a breakpoint gives exactly its level.
double interpolated(const AirPollutantScale &scale, double c)
{
    const auto &bp = scale.breakpoints;
    if (c <= bp[0])
        return c / bp[0] * kLevels[0];
    for (std::size_t k = 1; k < bp.size(); ++k) {
        if (c > bp[k - 1] && c <= bp[k]) {
            const double slope = (kLevels[k] - kLevels[k - 1]) / (bp[k] - bp[k - 1]);
            return (c - bp[k - 1]) * slope + kLevels[k - 1];
        }
    }
    // Beyond the top of the scale.
    return kLevels.back();
}

} // namespace

const AirPollutantScale &airPollutantScale(AirPollutant pollutant)
{
    return kScales[static_cast<std::size_t>(pollutant)];
}

double airSubIndex(AirPollutant pollutant, const QString &concentration)
{
    const auto c = ToDouble(concentration);
    if (!c)
        return 0;
    return std::floor(interpolated(airPollutantScale(pollutant), *c));
}

AirIndexResult computeAirIndex(const AirIndexInputs &in)
{
    AirIndexResult r;
    r.so2Index = airSubIndex(AirPollutant::SO2, in.so2);
    r.no2Index = airSubIndex(AirPollutant::NO2, in.no2);
    r.pm10Index = airSubIndex(AirPollutant::PM10, in.pm10);
    // On equal sub-indices NO2 goes before SO2 and PM10, and SO2 before PM10.
    AirPollutant primary;
    if (r.so2Index <= r.no2Index)
        primary = r.no2Index < r.pm10Index ? AirPollutant::PM10 : AirPollutant::NO2;
    else
        primary = r.so2Index < r.pm10Index ? AirPollutant::PM10 : AirPollutant::SO2;
    switch (primary) {
    case AirPollutant::SO2: r.api = r.so2Index; break;
    case AirPollutant::NO2: r.api = r.no2Index; break;
    case AirPollutant::PM10: r.api = r.pm10Index; break;
    }
    r.primaryPollutant = QString::fromUtf16(airPollutantScale(primary).name);
    r.quality = airQualityClass(r.api);
    return r;
}

QString airQualityClass(double api)
{
    if (api <= 50)
        return QStringLiteral("优");
    if (api <= 100)
        return QStringLiteral("良");
    if (api <= 150)
        return QStringLiteral("轻微污染");
    if (api <= 200)
        return QStringLiteral("轻度污染");
    if (api <= 250)
        return QStringLiteral("中度污染");
    if (api <= 300)
        return QStringLiteral("中度重污染");
    return QStringLiteral("重污染");
}

QString airBarText(AirPollutant pollutant, int position)
{
    const AirPollutantScale &s = airPollutantScale(pollutant);
    return ApplyDisplayPattern(position * s.step - s.offset, s.pattern);
}

std::optional<int> airBarPosition(AirPollutant pollutant, const QString &concentration)
{
    const auto c = ToDouble(concentration);
    if (!c)
        return std::nullopt;
    const AirPollutantScale &s = airPollutantScale(pollutant);
    const double position = std::floor((*c + s.offset) / s.step);
    if (!(position >= kAirIndexBarMinimum && position <= kAirIndexBarMaximum))
        return std::nullopt;
    return static_cast<int>(position);
}

int airBarRed(int position)
{
    // nearbyint rounds a half to the even neighbour in the default mode.
    return static_cast<int>(std::nearbyint(position / 2.0));
}

} // namespace corvalen
