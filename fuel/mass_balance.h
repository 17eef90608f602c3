#pragma once

// Pollutants of burning coal, fuel oil and gaseous fuels by the provincial
// mass-balance rules for pollution charges (provisional): one function per
// result, each reading the input texts it needs and using them directly as
// numbers in double-precision arithmetic (GeneralValue), in the order the
// rules' windows evaluate them. A text that is no number, a division by zero
// or an outcome beyond the double range fails the result, which is then
// shown as the pattern's text of zero. Percentages enter as typed.

#include "common/numbers/general_value.h"

#include <QString>
#include <QStringView>

namespace corvalen {

// Display patterns of the results.
inline constexpr QStringView kCoalDustPattern = u"#######.##";
inline constexpr QStringView kCoalSulphurPattern = u"#######.##";
inline constexpr QStringView kCoalNitrogenPattern = u"######.##";
inline constexpr QStringView kCoalCarbonMonoxidePattern = u"######.##";
inline constexpr QStringView kFuelOilPattern = u"######.##";
inline constexpr QStringView kGasPattern = u"#####.##";

// Coal. Gsd = 1000 × B × A × dfh × (1 − η1) / (1 − Cfh), kg of dust.
struct CoalDustInputs
{
    QString coalBurnt;      // B, t
    QString ash;            // A, ash content of the coal, %
    QString ashToDust;      // dfh, share of the ash leaving as dust, %
    QString combustibles;   // Cfh, combustible share of the dust, %
    QString dustRemoval;    // η1, efficiency of the dust removal, %
};
GeneralValue coalDust(const CoalDustInputs &in);

// SO2 of coal (1600 per unit of sulphur) and of fuel oil (2000): kg, less
// the share the desulphurisation removes.
struct SulphurDioxideInputs
{
    QString fuelBurnt;      // B, t
    QString sulphur;        // S, total sulphur content, %
    QString removal;        // SO2 removal efficiency, %
};
GeneralValue coalSulphurDioxide(const SulphurDioxideInputs &in);
GeneralValue oilSulphurDioxide(const SulphurDioxideInputs &in);

// CO of coal and of fuel oil: Gco = 2330 × B × Q × C, kg.
struct CarbonMonoxideInputs
{
    QString fuelBurnt;      // B, t
    QString carbon;         // C, carbon content, %
    QString incomplete;     // Q, incomplete-combustion value, %
};
GeneralValue carbonMonoxide(const CarbonMonoxideInputs &in);

// NOx of coal: Gnox = 1630 × B × (0.015 × η3 + 0.000938), kg.
struct CoalNitrogenInputs
{
    QString coalBurnt;      // B, t
    QString conversion;     // η3, share of the nitrogen turned into NOx, %
};
GeneralValue coalNitrogenOxides(const CoalNitrogenInputs &in);

// NOx of fuel oil: Gnox = 1630 × B × (N × η2 + 0.000938), kg.
struct OilNitrogenInputs
{
    QString oilBurnt;       // B, t
    QString nitrogen;       // N, nitrogen content, %
    QString conversion;     // η2, share of the nitrogen turned into NOx, %
};
GeneralValue oilNitrogenOxides(const OilNitrogenInputs &in);

// Gaseous fuel. Gso2 = 2.857 × V × CH2S, kg.
struct GasSulphurDioxideInputs
{
    QString gasBurnt;          // V, m³
    QString hydrogenSulphide;  // CH2S, volume share of H2S, %
};
GeneralValue gasSulphurDioxide(const GasSulphurDioxideInputs &in);

// Gco = 1.25 × V × Q × (VCO + VCH4 + 13 VCmHn), kg.
struct GasCarbonMonoxideInputs
{
    QString gasBurnt;          // V, m³
    QString incomplete;        // Q, incomplete-combustion value, %
    QString carbonMonoxide;    // VCO, volume share, %
    QString methane;           // VCH4, volume share, %
    QString otherAlkanes;      // VCmHn, volume share, %
};
GeneralValue gasCarbonMonoxide(const GasCarbonMonoxideInputs &in);

} // namespace corvalen
