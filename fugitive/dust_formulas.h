#pragma once

// Dust raised at a coal wharf, on construction sites and by vehicles on
// roads: one function per result. Each reads the input texts it needs as
// decimal numbers (ToDouble) and multiplies its factors from left to right in
// double precision, as the calculators evaluate them. A text that is empty or
// no number, a negative base under a fractional power and an outcome beyond
// the double range fail the result (no value), which its box then shows as
// the pattern's text of zero, a lone ".".

#include <QString>
#include <QStringView>
#include <optional>

namespace corvalen {

// Coal pile of a coal wharf. Qp = 2.1 K (U − U0)³ e^(−1.023 W/100) P, kg/a.
// Qp is shown through one pattern after a change of an input and through
// another after a click into a result box.
inline constexpr QStringView kCoalPileChangePattern = u"####.###";
inline constexpr QStringView kCoalPileClickPattern = u"####.##";
inline constexpr QStringView kCoalPileDirectionPattern = u"####.###";

struct CoalPileInputs
{
    QString k;               // K, empirical coefficient of the coal's moisture
    QString windSpeed;       // U, mean wind speed over the yard, m/s
    QString startWindSpeed;  // U0, wind speed that starts to lift coal dust, m/s
    QString moisture;        // W, surface moisture of the coal, %
    QString coalPiled;       // P, coal piled in the yard a year, t/a
};
std::optional<double> coalPileDust(const CoalPileInputs &in);

// The yearly dust of one wind direction, t/a: Qp × F / 100 / 1000, where Qp
// is the text the Qp box shows (so the value carries its shown decimals) and
// F the direction's frequency in percent.
std::optional<double> coalPileDirectionDust(const QString &shownDust, const QString &frequency);

// Loading and unloading at a coal wharf.
// Q = 1133.33 U^1.6 H^1.23 e^(−0.28 W/100), mg/s; the yearly amount of one
// wind direction A = Q · 60 · 60 · 24 · 300 / 10^10, t/a.
inline constexpr QStringView kLoadingPattern = u"#####.##";

struct LoadingInputs
{
    QString dropHeight;  // H, height the material drops, m
    QString windSpeed;   // U, mean wind speed, m/s
    QString moisture;    // W, moisture of the material, %
};
std::optional<double> loadingDustRate(const LoadingInputs &in);
// From the computed rate, not its text; a rate without a value counts as 0.
double loadingYearlyDust(std::optional<double> rate);

// Roads of a port, from measurements at a port:
// Qi = 0.123 (V/5) (W/6.8)^0.65 (P/0.05)^0.72, kg per km and vehicle.
inline constexpr QStringView kPortRoadPattern = u"####.###";
// A vehicle on a road: Qi = 0.0079 V W^0.85 P^0.72, kg per km and vehicle.
inline constexpr QStringView kVehicleRoadPattern = u"####.###";

struct RoadVehicleInputs
{
    QString speed;        // V, km/h
    QString weight;       // W, vehicle weight or load, t
    QString surfaceDust;  // P, dust lying on the road, kg/m²
};
std::optional<double> portRoadDust(const RoadVehicleInputs &in);
std::optional<double> vehicleRoadDust(const RoadVehicleInputs &in);

// A vehicle crossing a construction site:
// E = P · 0.81 · S/100 · (V/30) · ((365 − W)/365) · (T/4), kg/km.
inline constexpr QStringView kSitePattern = u"####.#####";

struct SiteInputs
{
    QString liftable;  // P, share of particles that can be lifted (below 30 µm)
    QString silt;      // S, fines on the surface, %
    QString speed;     // V, mean speed crossing the site, km/h
    QString rainDays;  // W, days a year with more than 0.254 mm of rain
    QString tyres;     // T, mean number of tyres per vehicle
};
std::optional<double> siteDustFactor(const SiteInputs &in);

// Wind on a coal pile:
// Qm = 11.7 U^2.45 S^0.345 e^(−0.5 ω/100) e^(−0.55 (W − 0.07)), mg/s; W as typed.
inline constexpr QStringView kWindPilePattern = u"####.###";

struct WindPileInputs
{
    QString windSpeed;  // U, critical wind speed, m/s
    QString area;       // S, surface of the pile, m²
    QString humidity;   // ω, relative humidity of the air, %
    QString moisture;   // W, moisture of the coal
};
std::optional<double> windPileDust(const WindPileInputs &in);

// A vehicle on a road: E = 0.000501 · V · 0.823 · T · 0.139 · (U/4), kg/km.
inline constexpr QStringView kRoadFactorPattern = u"#####.###";

struct RoadFactorInputs
{
    QString speed;      // V, mean vehicle speed, km/h
    QString tyres;      // T, mean number of tyres per vehicle
    QString windSpeed;  // U, wind speed that lifts dust, m/s
};
std::optional<double> roadDustFactor(const RoadFactorInputs &in);

} // namespace corvalen
