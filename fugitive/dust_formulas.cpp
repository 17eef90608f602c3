#include "fugitive/dust_formulas.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {
namespace {

// Every factor is a checked value: a step fails on a text that is no number
// and on an outcome that is not finite (beyond the double range, or a
// negative base under a fractional power), and the failure carries through.
using Factor = Checked;

Factor number(const QString &text)
{
    return Checked::number(text);
}

} // namespace

std::optional<double> coalPileDust(const CoalPileInputs &in)
{
    Factor q = Factor(2.1) * number(in.k);
    q = q * power(number(in.windSpeed) - number(in.startWindSpeed), 3);
    q = q * exponential(Factor(-1.023) * number(in.moisture) / Factor(100));
    return (q * number(in.coalPiled)).value();
}

std::optional<double> coalPileDirectionDust(const QString &shownDust, const QString &frequency)
{
    return (number(shownDust) * number(frequency) / Factor(100) / Factor(1000)).value();
}

std::optional<double> loadingDustRate(const LoadingInputs &in)
{
    Factor q = Factor(1133.33) * power(number(in.windSpeed), 1.6);
    q = q * power(number(in.dropHeight), 1.23);
    return (q * exponential(Factor(-0.28) * number(in.moisture) / Factor(100))).value();
}

double loadingYearlyDust(std::optional<double> rate)
{
    // Seconds of 300 working days; the divisor is 10^10 as the calculator
    // has it.
    return rate.value_or(0) * 60 * 60 * 24 * 300 / 1e10;
}

std::optional<double> portRoadDust(const RoadVehicleInputs &in)
{
    Factor q = Factor(0.123) * (number(in.speed) / Factor(5));
    q = q * power(number(in.weight) / Factor(6.8), 0.65);
    return (q * power(number(in.surfaceDust) / Factor(0.05), 0.72)).value();
}

std::optional<double> vehicleRoadDust(const RoadVehicleInputs &in)
{
    Factor q = Factor(0.0079) * number(in.speed);
    q = q * power(number(in.weight), 0.85);
    return (q * power(number(in.surfaceDust), 0.72)).value();
}

std::optional<double> siteDustFactor(const SiteInputs &in)
{
    Factor e = number(in.liftable) * Factor(0.81);
    e = e * number(in.silt) / Factor(100);
    e = e * (number(in.speed) / Factor(30));
    e = e * ((Factor(365) - number(in.rainDays)) / Factor(365));
    return (e * (number(in.tyres) / Factor(4))).value();
}

std::optional<double> windPileDust(const WindPileInputs &in)
{
    Factor q = Factor(11.7) * power(number(in.windSpeed), 2.45);
    q = q * power(number(in.area), 0.345);
    q = q * exponential(Factor(-0.5) * number(in.humidity) / Factor(100));
    return (q * exponential(Factor(-0.55) * (number(in.moisture) - Factor(0.07)))).value();
}

std::optional<double> roadDustFactor(const RoadFactorInputs &in)
{
    Factor e = Factor(0.000501) * number(in.speed) * Factor(0.823);
    e = e * number(in.tyres) * Factor(0.139);
    return (e * (number(in.windSpeed) / Factor(4))).value();
}

} // namespace corvalen
