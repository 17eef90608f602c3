#include "fuel/flue_gas.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

namespace corvalen {
namespace {

// 4187 kJ is 1000 kcal: the handbook's empirical formulas take the heat value
// in thousands of kcal.
constexpr double kJoulesPerKcal = 4187;

// Gaseous fuels change formula at this heat value (kJ), natural gas at the
// next; below means strictly less, on Q as a single.
constexpr float kRichGasHeat = 12561;
constexpr float kRichNaturalGasHeat = 34543;

} // namespace

FlueGasPress FlueGasCalculator::press(const FlueGasInputs &in)
{
    if (const auto q = ToSingle(in.heatValue))
        heatValue = *q;
    if (const auto a = ToSingle(in.excessAir))
        excessAir = *a;
    if (const auto d = ToSingle(in.airLeakage))
        airLeakage = *d;

    FlueGasPress result;
    const FlueGasFuelItem *item = nullptr;
    for (const auto &candidate : kFlueGasFuelItems) {
        if (in.fuel == candidate.text) {
            item = &candidate;
            break;
        }
    }
    if (!item)
        return result;
    result.fuelMatched = true;

    const double q = heatValue;
    // The excess air of the flue gas, worked out first.
    auto excess = [this] { return double(excessAir) + double(airLeakage) - 1; };
    switch (item->fuel) {
    case FlueGasFuel::Solid:
        theoreticalAir = StoredSingle(q * 1.01 / kJoulesPerKcal + 0.5);
        flueGasPerKg = StoredSingle(q * 0.89 / kJoulesPerKcal + 1.65 + excess() * double(theoreticalAir));
        break;
    case FlueGasFuel::Liquid:
        theoreticalAir = StoredSingle(q * 0.85 / kJoulesPerKcal + 2);
        flueGasPerKg = StoredSingle(q * 1.11 / kJoulesPerKcal + excess() * double(theoreticalAir));
        break;
    case FlueGasFuel::Gaseous:
        if (heatValue < kRichGasHeat) {
            theoreticalAir = StoredSingle(q * 0.875 / kJoulesPerKcal);
            flueGasPerKg = StoredSingle(q * 0.725 / kJoulesPerKcal + 1 + excess() * double(theoreticalAir));
        } else {
            theoreticalAir = StoredSingle(q * 1.09 / kJoulesPerKcal - 0.25);
            flueGasPerKg = StoredSingle(q * 1.14 / kJoulesPerKcal + 0.25 + excess() * double(theoreticalAir));
        }
        break;
    case FlueGasFuel::NaturalGas:
        // Natural gas burns without the flue's leakage: the box shows 0 and
        // Vy leaves Δα out.
        result.leakageZeroed = true;
        theoreticalAir = StoredSingle(q * 1.105 / kJoulesPerKcal + 0.02);
        airLeakage = 0;
        if (heatValue < kRichNaturalGasHeat)
            flueGasPerKg = StoredSingle(double(excessAir) * double(theoreticalAir) + 1);
        else
            flueGasPerKg = StoredSingle(q * 0.075 / kJoulesPerKcal + 0.38 + double(excessAir) * double(theoreticalAir));
        break;
    }
    return result;
}

float FlueGasCalculator::flueGasPerTonne() const
{
    return StoredSingle(double(flueGasPerKg) * 1000);
}

} // namespace corvalen
