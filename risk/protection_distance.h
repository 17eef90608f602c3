#pragma once

// Health-protection distance of a production unit with a fugitive emission
// of a harmful gas (GB/T 3840-91): the L that solves
//     Qc / Cm = (1 / A) × (B × L^C + 0.25 × r²)^0.5 × L^D,  r = (S / 3.14)^0.5,
// found by stepping L up by 0.01 m until both sides agree within 0.1 %, with
// the coefficients A to D of the standard's distance band, wind band and
// enterprise class. Everything the search stores is single precision, so the
// distance shown carries the drift of the stepping in its last decimals.

#include <QString>
#include <QStringList>

namespace corvalen {

// The four lists as their texts stand.
struct ProtectionDistanceChoices
{
    QString windSpeed;      // Combo1: 大于4, 大于2小于4, 小于2
    QString stacks;         // Combo4: 有, 无 (stacks emitting the same gas)
    QString stackEmission;  // Combo2, read with 有
    QString indicator;      // Combo3, read with 无
};

struct ProtectionDistanceInputs
{
    QString emission;       // Text7, Qc in kg/h
    QString concentration;  // Text1, Cm in mg/m³
    QString area;           // Text8, S in m²
    ProtectionDistanceChoices choices;
};

QStringList windSpeedItems();
QStringList stackItems();
QStringList stackEmissionItems();
QStringList indicatorItems();

// Distance bands: 1 for L ≤ 1000 m, 2 up to 2000 m, 3 beyond.
struct DistanceCoefficients
{
    float a = 0, b = 0, c = 0, d = 0;
    bool found = false;  // false: no row for the lists, the 小于2 row was used
};
DistanceCoefficients ProtectionDistanceCoefficients(int band, const ProtectionDistanceChoices &choices);

// "你的输入或选择有误，请检查你的输入或选择！", shown for each lookup that finds no row.
extern const QString kNoCoefficientRowMessage;
// Result texts where no distance is found.
extern const QString kSearchBoundText;      // the search reached the bound
extern const QString kCannotComputeText;    // q is 0, infinite or undefined
// The 说  明 button's message.
extern const QString kProtectionDistanceNote;

// The search's bound: it gives up once L passes 25,000 m.
inline constexpr float kProtectionSearchLimit = 25000.0f;

// The window-level values of the search, all single precision, 0 when the
// window is first created and kept from one press to the next.
struct DistanceSearchValues
{
    float a = 0, b = 0, c = 0, d = 0;  // coefficients A to D
    float qc = 0, cm = 0, s = 0;       // inputs
    float l = 0;                       // distance, m
    float q = 0;                       // Qc / Cm
    float inverseA = 0;                // 1 / A
    float r = 0;                       // equivalent radius, m
    float t1 = 0, t2 = 0, t3 = 0, t4 = 0, f = 0, diff = 0;
    float l1 = 0;                      // where the first search stopped
};

// Met: the stop test held; Bound: L passed the bound; Undefined: q is 0,
// infinite or undefined, so the stop test cannot be judged and no round runs.
enum class SearchEnd { Met, Bound, Undefined };

struct DistanceSearch
{
    SearchEnd end = SearchEnd::Met;
    long rounds = 0;
};

// Sets q, 1/A and r from the values, then steps L from `start` until the stop
// test is met or L passes the bound.
DistanceSearch SearchProtectionDistance(DistanceSearchValues &v, float start);

struct ProtectionDistanceOutcome
{
    int lookupMessages = 0;  // how often the no-row message is shown
    QString resultText;      // the text of Text6
};

struct ProtectionDistance
{
    DistanceSearchValues values;

    // One press of 计    算: lookup, inputs, first search, and for a first
    // result above 1000 m the band's coefficients and a second search from
    // the band's lower limit.
    ProtectionDistanceOutcome press(const ProtectionDistanceInputs &in);
};

} // namespace corvalen
