#include "process_air/exhaust_gas.h"

#include "common/number_text.h"

namespace corvalen {
namespace {

// A step's outcome, rounded once to single as the step stores it; beyond the
// single range this is an infinity (IEEE rounding).
float stored(double outcome)
{
    return static_cast<float>(outcome);
}

} // namespace

void LimeKiln::press(const QString &qText, const QString &bText, const QString &cText, const QString &etaText,
                     const QString &phiText)
{
    const auto q = ToDouble(qText);
    const auto b = ToDouble(bText);
    const auto c = ToDouble(cText);
    const auto eta = ToDouble(etaText);
    const auto phi = ToDouble(phiText);
    if (c && b)
        fuelCarbon = stored(*c * *b * 0.01);  // % to a fraction
    if (eta && phi)
        recoveryFactor = stored(1 - *eta * *phi * 0.0001);  // two % factors
    // 1.866 Nm³ of CO2 per kg of carbon burnt; 400 Nm³ of CO2 from the
    // limestone of one tonne of lime.
    gasBase = stored((double(fuelCarbon) * 1.866 + 400) * double(recoveryFactor));
    if (phi)
        gasPerTon = stored(double(gasBase) * 100 / *phi);
    if (q)
        annualVolume = stored(*q * double(gasPerTon));
}

void DolomiteKiln::press(const QString &qText, const QString &bText, const QString &cText, const QString &mText,
                         const QString &phiText, const QString &kText)
{
    const auto q = ToSingle(qText);
    const auto b = ToDouble(bText);
    const auto c = ToDouble(cText);
    const auto m = ToDouble(mText);
    const auto phi = ToDouble(phiText);
    const auto k = ToDouble(kText);
    if (q)
        output = *q;
    if (c && b)
        fuelCarbon = stored(*c * *b * 0.01);
    // 400 and 560 Nm³ of CO2 from one tonne of CaO and of MgO burnt from
    // their carbonates; the contents are in %.
    if (k)
        calciumTerm = stored(*k * 400 * 0.01);
    if (m)
        magnesiumTerm = stored(*m * 560 * 0.01);
    if (phi) {
        annualVolume = stored(double(output) * ((double(magnesiumTerm) + double(calciumTerm)) + double(fuelCarbon) * 1.866)
                              * 100 / *phi);
    }
}

void Drying::press(const QString &gText, const QString &w1Text, const QString &w2Text)
{
    const auto g = ToDouble(gText);
    const auto w1 = ToDouble(w1Text);
    const auto w2 = ToDouble(w2Text);
    if (w1 && w2)
        massRatio = stored((100 - *w1) / (100 - *w2));  // dry matter is kept
    lossFactor = stored(1 - double(massRatio));
    if (g)
        removedMass = stored(*g * double(lossFactor));
}

void Evaporation::press(const QString &fText, const QString &x0Text, const QString &x1Text)
{
    const auto f = ToDouble(fText);
    const auto x0 = ToDouble(x0Text);
    const auto x1 = ToDouble(x1Text);
    // The solute is kept: F × x0 = (F − W) × x1.
    if (f && x0 && x1)
        evaporatedAmount = stored((*x1 - *x0) * *f / *x1);
}

} // namespace corvalen
