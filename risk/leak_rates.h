#pragma once

// Release rates of a leak through a crack in a vessel, after the risk
// assessment guideline: liquid (Bernoulli), gas (critical or subsonic
// outflow) and a flashing liquid-gas two-phase mixture.

#include <QString>
#include <QStringList>

namespace corvalen {

struct LiquidLeakInputs
{
    QString area;             // Text1, A in m²
    QString coefficient;      // Text7, Cd
    QString pressure;         // Text2, P in Pa
    QString ambientPressure;  // Text3, P0 in Pa
    QString height;           // Text4, h in m, liquid above the crack
    QString density;          // Text5, ρ in kg/m³
};
// QL = Cd A ρ √(2 (P − P0)/ρ + 2 g h), kg/s. Values start at 0 on every
// computation, and a step that fails (a box that is no number, ρ = 0, a
// negative radicand, a result beyond the single range) keeps 0.
float liquidLeakRate(const LiquidLeakInputs &in);

struct GasLeakInputs
{
    QString area;             // Text1, A in m²
    QString pressure;         // Text2, P in Pa
    QString ambientPressure;  // Text3, P0 in Pa
    QString molecularMass;    // Text4, M
    QString temperature;      // Text5, T_G in K
    QString shape;            // Combo1, chooses Cd
    QString adiabaticIndex;   // Text7, κ
};

QStringList crackShapes();
// Cd by the crack shape: 圆形 1.0, 三角形 0.95, 长方形 and any other text 0.9.
float gasDischargeCoefficient(const QString &shape);

// Gas leak rate with its single-precision window-level values, kept from
// press to press: a step that fails keeps what the previous press stored.
//   rc = (2/(κ+1))^(κ/(κ−1))               critical pressure ratio
//   Y  = 1 for P0/P ≤ rc, else the subsonic outflow coefficient
//   QG = Y Cd A P √(M κ / (R T_G) × (2/(κ+1))^((κ+1)/(κ−1)))
struct GasLeak
{
    float gasConstant = 0;  // R, J/(mol·K)
    float area = 0, pressure = 0, ambientPressure = 0, molecularMass = 0, temperature = 0, kappa = 0;
    float criticalRatio = 0;   // rc
    float pressureRatio = 0;   // r = P0 / P
    float discharge = 0;       // Cd
    float q = 0, o = 0;        // the two factors of Y
    float outflow = 0;         // Y
    float flowFactor = 0;      // F = (2/(κ+1))^((κ+1)/(κ−1))
    float radicand = 0;        // G = F M κ / (R T_G)
    float root = 0;            // √G
    float rate = 0;            // QG, kg/s

    void press(const GasLeakInputs &in);
};

struct TwoPhaseLeakInputs
{
    QString area;              // Text1, A in m²
    QString pressure;          // Text2, P in Pa
    QString heatCapacity;      // Text3, Cp in J/(kg·K)
    QString temperature;       // Text4, T_LG in K
    QString boilingPoint;      // Text5, T_C in K, at the critical pressure
    QString vaporisationHeat;  // Text7, H in J/kg
    QString vapourDensity;     // Text8, ρv in kg/m³
    QString liquidDensity;     // Text9, ρl in kg/m³
};
// QLG = Cd A √(2 ρm (P − Pc)) with Cd = 0.8, Pc = 0.55 P, the flashing share
// Fv = Cp (T_LG − T_C)/H (as computed, also above 1) and the mean density
// ρm = 1/(Fv/ρv + (1 − Fv)/ρl), kg/s. The inputs are texts in double
// arithmetic; values start at 0 and a failed step keeps 0.
float twoPhaseLeakRate(const TwoPhaseLeakInputs &in);

} // namespace corvalen
