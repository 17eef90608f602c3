#include "fuel/mass_balance.h"

namespace corvalen {
namespace {

using V = GeneralValue;

const V kPercent(100);

// One minus a percentage as a fraction.
V remaining(const QString &percent)
{
    return V(1) - V(percent) / kPercent;
}

} // namespace

GeneralValue coalDust(const CoalDustInputs &in)
{
    V t = V(1000) * V(in.coalBurnt);  // t to kg
    t = t * V(in.ash);
    t = t / kPercent;
    t = t * V(in.ashToDust);
    t = t / kPercent;
    t = t * remaining(in.dustRemoval);
    return t / remaining(in.combustibles);
}

// 1600 kg of SO2 per t of coal per unit of sulphur: 2 kg SO2 per kg S, 80 %
// of the sulphur burning.
GeneralValue coalSulphurDioxide(const SulphurDioxideInputs &in)
{
    V t = V(1600) * V(in.fuelBurnt);
    t = t * V(in.sulphur);
    t = t / kPercent;
    return t * remaining(in.removal);
}

// Fuel oil: all its sulphur burns, 2000 kg of SO2 per t per unit.
GeneralValue oilSulphurDioxide(const SulphurDioxideInputs &in)
{
    V t = V(2000) * V(in.fuelBurnt);
    t = t * V(in.sulphur);
    t = t / kPercent;
    return t * remaining(in.removal);
}

// 2330 kg of CO per t of carbon burnt incompletely.
GeneralValue carbonMonoxide(const CarbonMonoxideInputs &in)
{
    V t = V(2330) * V(in.fuelBurnt);
    t = t * V(in.incomplete);
    t = t / kPercent;
    t = t * V(in.carbon);
    return t / kPercent;
}

// Coal holds 1.5 % nitrogen; 0.000938 is the NOx of the air's nitrogen.
GeneralValue coalNitrogenOxides(const CoalNitrogenInputs &in)
{
    V u = V(0.015) * V(in.conversion);
    u = u / kPercent;
    u = u + V(0.000938);
    return (V(1630) * V(in.coalBurnt)) * u;
}

GeneralValue oilNitrogenOxides(const OilNitrogenInputs &in)
{
    V u = V(in.nitrogen) / kPercent;
    u = u * V(in.conversion);
    u = u / kPercent;
    u = u + V(0.000938);
    return (V(1630) * V(in.oilBurnt)) * u;
}

GeneralValue gasSulphurDioxide(const GasSulphurDioxideInputs &in)
{
    V t = V(2.857) * V(in.gasBurnt);
    t = t * V(in.hydrogenSulphide);
    return t / kPercent;
}

GeneralValue gasCarbonMonoxide(const GasCarbonMonoxideInputs &in)
{
    V t = V(1.25) * V(in.gasBurnt);
    t = t * V(in.incomplete);
    t = t / kPercent;
    V s = V(in.carbonMonoxide) / kPercent + V(in.methane) / kPercent;
    s = s + (V(13) * V(in.otherAlkanes)) / kPercent;
    return t * s;
}

} // namespace corvalen
