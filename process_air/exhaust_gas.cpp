#include "process_air/exhaust_gas.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

namespace corvalen {

void LimeKiln::press(const LimeKilnInputs &in)
{
    const auto q = ToDouble(in.q);
    const auto b = ToDouble(in.b);
    const auto c = ToDouble(in.c);
    const auto eta = ToDouble(in.eta);
    const auto phi = ToDouble(in.phi);
    if (c && b)
        fuelCarbon = StoredSingle(*c * *b * 0.01);  // % to a fraction
    if (eta && phi)
        recoveryFactor = StoredSingle(1 - *eta * *phi * 0.0001);  // two % factors
    // 1.866 Nm³ of CO2 per kg of carbon burnt; 400 Nm³ of CO2 from the
    // limestone of one tonne of lime.
    gasBase = StoredSingle((double(fuelCarbon) * 1.866 + 400) * double(recoveryFactor));
    if (phi)
        gasPerTon = StoredSingle(double(gasBase) * 100 / *phi);
    if (q)
        annualVolume = StoredSingle(*q * double(gasPerTon));
}

void DolomiteKiln::press(const DolomiteKilnInputs &in)
{
    const auto q = ToSingle(in.q);
    const auto b = ToDouble(in.b);
    const auto c = ToDouble(in.c);
    const auto m = ToDouble(in.m);
    const auto phi = ToDouble(in.phi);
    const auto k = ToDouble(in.k);
    if (q)
        output = *q;
    if (c && b)
        fuelCarbon = StoredSingle(*c * *b * 0.01);
    // 400 and 560 Nm³ of CO2 from one tonne of CaO and of MgO burnt from
    // their carbonates; the contents are in %.
    if (k)
        calciumTerm = StoredSingle(*k * 400 * 0.01);
    if (m)
        magnesiumTerm = StoredSingle(*m * 560 * 0.01);
    if (phi) {
        annualVolume = StoredSingle(double(output) * ((double(magnesiumTerm) + double(calciumTerm)) + double(fuelCarbon) * 1.866)
                              * 100 / *phi);
    }
}

void Drying::press(const DryingInputs &in)
{
    const auto g = ToDouble(in.g);
    const auto w1 = ToDouble(in.w1);
    const auto w2 = ToDouble(in.w2);
    if (w1 && w2)
        massRatio = StoredSingle((100 - *w1) / (100 - *w2));  // dry matter is kept
    lossFactor = StoredSingle(1 - double(massRatio));
    if (g)
        removedMass = StoredSingle(*g * double(lossFactor));
}

void Evaporation::press(const EvaporationInputs &in)
{
    const auto f = ToDouble(in.f);
    const auto x0 = ToDouble(in.x0);
    const auto x1 = ToDouble(in.x1);
    // The solute is kept: F × x0 = (F − W) × x1.
    if (f && x0 && x1)
        evaporatedAmount = StoredSingle((*x1 - *x0) * *f / *x1);
}

} // namespace corvalen
