#pragma once

// The daily air pollution index (API) of SO2, NO2 and PM10: a sub-index per
// pollutant by linear interpolation between the breakpoints of the national
// API bands, the API as the largest sub-index, the primary pollutant and the
// air-quality class. Also the scales of the window's three scroll bars.

#include <QString>
#include <array>
#include <optional>

namespace corvalen {

enum class AirPollutant { SO2, NO2, PM10 };

// One pollutant: its daily-mean breakpoints (mg/m³) at the index levels 50,
// 100, 200, 300, 400 and 500, and the scale of its scroll bar, whose
// position v (1 to 500) stands for the concentration v × step − offset,
// written through a display pattern.
struct AirPollutantScale
{
    AirPollutant pollutant;
    const char16_t *name;  // as the results name it: "SO2", "NO2", "PM10"
    std::array<double, 6> breakpoints;
    double step;
    double offset;
    const char16_t *pattern;
};

const AirPollutantScale &airPollutantScale(AirPollutant pollutant);

inline constexpr int kAirIndexBarMinimum = 1;
inline constexpr int kAirIndexBarMaximum = 500;

// The sub-index of one concentration text: the floor of the interpolated
// value; 0 when the text is no number; 500, the top of the scale, beyond the
// top breakpoint.
double airSubIndex(AirPollutant pollutant, const QString &concentration);

// The three concentration texts as typed.
struct AirIndexInputs
{
    QString so2;
    QString no2;
    QString pm10;
};

struct AirIndexResult
{
    double so2Index = 0;
    double no2Index = 0;
    double pm10Index = 0;
    double api = 0;
    QString primaryPollutant;  // "SO2", "NO2" or "PM10"
    QString quality;           // "优" ... "重污染"
};

AirIndexResult computeAirIndex(const AirIndexInputs &in);

// The air-quality class of a (whole) API.
QString airQualityClass(double api);

// The concentration text that bar position `position` writes.
QString airBarText(AirPollutant pollutant, int position);
// The bar position a concentration text sets; none for a text that is no
// number or maps outside the bar's range (the bar then stays).
std::optional<int> airBarPosition(AirPollutant pollutant, const QString &concentration);
// The red intensity (0 to 255) of the text that bar position `position`
// writes: position / 2 rounded, a half to the even neighbour.
int airBarRed(int position);

} // namespace corvalen
