#pragma once

// Highway traffic noise by the 2006 guideline model of highway projects:
// the equivalent A-weighted level beside a road section at eleven distances,
// 0 to 200 m in steps of 20 m, from the hourly traffic of large, medium and
// small vehicles.
//
// Every input is its box's text, converted to a double where a step uses it.
// A step that cannot be taken (a text without a number, a division by zero,
// an overflow beyond the double range, the logarithm or root of a value it
// cannot take) is skipped and its value keeps what it held in this press:
// inside the distance loop the previous distance's value, 0 before any. A
// press always gives a report.

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace corvalen {

enum class HighwayLanes { Six, Four };
enum class SpeedSource { Manual, Formula };
enum class Pavement { Asphalt, Cement };

struct Highway2006Inputs
{
    QString sectionName;          // 预测路段名称
    QString laneVolume;           // single-lane volume Vol, vehicles/h
    QString ratioLarge;           // vehicle-class ratios η
    QString ratioMedium;
    QString ratioSmall;
    QString laneWidth;            // w, m
    QString treeAttenuation;      // dB
    QString buildingAttenuation;  // dB
    QString angle;                // θ, degrees
    QString gradient;             // g, %
    QString volumeLarge;          // hourly volumes N, vehicles/h
    QString volumeMedium;
    QString volumeSmall;
    QString speedLarge;           // manual speeds, km/h
    QString speedMedium;
    QString speedSmall;
    QString designSpeed;          // vd, km/h
    HighwayLanes lanes = HighwayLanes::Six;
    SpeedSource speeds = SpeedSource::Manual;
    Pavement pavement = Pavement::Asphalt;
};

// What one press forms for a vehicle class.
struct VehicleClassValues
{
    double ratioTerm = 0;                   // U
    double formulaSpeed = 0;                // after the design-speed scaling
    double speed = 0;                       // the speed used, km/h
    std::optional<double> referenceLevel;   // gradient correction included
};

inline constexpr int kHighwayDistanceCount = 11;

struct Highway2006Result
{
    VehicleClassValues large;
    VehicleClassValues medium;
    VehicleClassValues small;
    std::array<double, kHighwayDistanceCount> levels{};  // at 0, 20, … 200 m
    bool zeroSpeedWarning = false;  // manual speeds with a 0 (or no number) among them
    QString report;                 // lines joined by a line feed, none after the last
};

Highway2006Result predictHighway2006(const Highway2006Inputs &in);

// The message shown (before the report is written) when zeroSpeedWarning.
inline constexpr QStringView kZeroManualSpeedMessage =
    u"你选择了手工输入各型车行驶速度，但是各型车的行驶速度中有为0的选项，会导致预测结果不准确！请检查你的车速输入框，重新计算！";

} // namespace corvalen
