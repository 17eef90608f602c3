#pragma once

// Sludge of wastewater treatment (guide to the environmental statistics
// returns, P82): the wet sludge volume of a settling tank, and the dry and
// wet sludge of a domestic sewage works from the population served.

#include <QString>

namespace corvalen {

struct SettlingTankInput
{
    QString flow;         // Q, m³/d
    QString inflowSS;     // C1, kg/m³
    QString outflowSS;    // C2, kg/m³
    QString waterContent; // X, %
    QString density;      // Pi, t/m³
};

// Vi = 100 Q (C1 − C2) / (Pi (100 − X) · 10³), m³/d, from singles (an
// input that is no number counts as 0); a zero divisor gives an infinite
// or undefined volume.
float settlingTankSludge(const SettlingTankInput &input);

struct SewageSludgeInput
{
    QString population;     // M, persons
    QString gritFactor;     // K沉, kg per person and day
    QString primaryFactor;  // K初
    QString humusFactor;    // K, humus and surplus activated sludge
    QString waterContent;   // P, % of the wet sludge
};

// The sewage-works window's values, kept from one press to the next: a
// step whose input is no number keeps the value of the previous press.
struct SewageSludge
{
    float gritFactor = 0;
    float primaryFactor = 0;
    float humusFactor = 0;
    float factorSum = 0;
    float drySludge = 0;  // G = M ΣK / 1000 (the handbook's formula: t/d)
    float wetSludge = 0;  // W = 100 G / (100 − P)

    void press(const SewageSludgeInput &input);
};

} // namespace corvalen
