#pragma once

// Exhaust-gas volumes by mass balance (lime and dolomite kilns, drying,
// evaporation), after the environmental protection calculation handbook.
//
// Each calculator keeps one single-precision window-level value per step, 0
// until that step first stores. A press runs the steps in order: a step
// reads its input texts, and when one of them is no number it stores nothing
// and keeps what it held; otherwise it computes in double precision from
// left to right and rounds once to single. A division by zero or an overflow
// is stored as infinity (undefined for 0 / 0) and flows on into later steps.

#include <QString>

namespace corvalen {

// Lime kiln. Inputs: Q annual lime output (t), B fuel per tonne of lime (kg),
// C carbon content of the fuel (%), η exhaust-gas recovery rate (%), φ CO2
// share of the kiln gas by volume (%). Result: exhaust gas per year (Nm³).
struct LimeKilnInputs
{
    QString q, b, c, eta, phi;
};

struct LimeKiln
{
    float fuelCarbon = 0;
    float recoveryFactor = 0;
    float gasBase = 0;
    float gasPerTon = 0;
    float annualVolume = 0;

    void press(const LimeKilnInputs &in);
};

// Dolomite kiln. Inputs: Q annual output of burnt dolomite (t, read as a
// single), B fuel per tonne (kg), C carbon content of the fuel (%), M MgO
// content (%), φ CO2 share of the kiln gas (%), K CaO content (%). Result:
// exhaust gas per year (Nm³).
struct DolomiteKilnInputs
{
    QString q, b, c, m, phi, k;
};

struct DolomiteKiln
{
    float output = 0;
    float fuelCarbon = 0;
    float calciumTerm = 0;
    float magnesiumTerm = 0;
    float annualVolume = 0;

    void press(const DolomiteKilnInputs &in);
};

// Drying. Inputs: G initial weight of the wet material (kg), w1 and w2 its
// moisture before and after drying (%). Result: moisture removed (kg).
struct DryingInputs
{
    QString g, w1, w2;
};

struct Drying
{
    float massRatio = 0;
    float lossFactor = 0;
    float removedMass = 0;

    void press(const DryingInputs &in);
};

// Evaporation. Inputs: F solution fed (kg/h), x0 and x1 its concentration by
// weight before and after evaporation. Result: solvent evaporated (kg/h).
struct EvaporationInputs
{
    QString f, x0, x1;
};

struct Evaporation
{
    float evaporatedAmount = 0;

    void press(const EvaporationInputs &in);
};

} // namespace corvalen
