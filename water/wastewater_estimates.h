#pragma once

// Three wastewater estimators: hospital wastewater from the beds in use, the
// wastewater of a highway service area from its staff and vehicle washing,
// and the discharges of township metal-finishing works.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace corvalen {

// Hospital sizes, in list order.
inline constexpr QStringView kLargeHospital = u"400床以上";
inline constexpr QStringView kMediumHospital = u"200-400床";
inline constexpr QStringView kSmallHospital = u"200床以下";

struct HospitalInputs
{
    QString size;  // the size list's text, compared exactly
    QString beds;  // n, average beds in use, read as a double
};

// Window-level single-precision values, 0 until a press stores them; a press
// whose bed count is no number keeps all five, one whose size is none of
// the list keeps W and Q. Values beyond the single range are infinite.
struct HospitalWastewater
{
    float water = 0;       // W, t/a
    float wastewater = 0;  // Q, t/a
    float bod5 = 0;        // t/a
    float ss = 0;          // t/a
    float ammonia = 0;     // NH3-N, t/a

    void press(const HospitalInputs &inputs);
};

struct ServiceAreaInputs
{
    QString persons;         // P
    QString coefficient;     // c, discharge coefficient of the living area
    QString quota;           // q, L per person and day
    QString traffic;         // N, vehicles per day, read afresh at each press
    QString washWater;       // w, L per vehicle
    QString domesticConc;    // Cs, mg/L
    QString washConc;        // Cw, mg/L
};

// The four results; none where a step failed (the box keeps its text).
struct ServiceAreaResults
{
    std::optional<double> domesticFlow;  // Qs, t/d
    std::optional<double> domesticLoad;  // Ls, kg/d
    std::optional<double> washFlow;      // Qw, t/d
    std::optional<double> washLoad;      // Lw, kg/d
};

// P, c, q, w, Cs and Cw are single-precision window-level values, 0 until a
// press stores them; a text that is no number keeps its value.
struct ServiceAreaWastewater
{
    float persons = 0;
    float coefficient = 0;
    float quota = 0;
    float washWater = 0;
    float domesticConc = 0;
    float washConc = 0;

    ServiceAreaResults press(const ServiceAreaInputs &inputs);
};

// Metal-finishing trades, in list order.
inline constexpr QStringView kCyanidePlating = u"氰化电镀";
inline constexpr QStringView kChromePlating = u"镀铬";
inline constexpr QStringView kCircuitBoards = u"线路板生产";

// What the user is asked to type for the trade.
QString metalFinishingNote(const QString &trade);

// The report's lines for the trade and the quantity A (cyanide used, or the
// board area in m²); none for a trade not in the list, an A that is no
// number and an amount beyond the single range.
std::optional<QStringList> metalFinishingReport(const QString &trade, const QString &quantity);

} // namespace corvalen
