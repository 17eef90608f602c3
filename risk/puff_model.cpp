#include "risk/puff_model.h"

#include "common/numbers/steps.h"
#include "common/numbers/number_text.h"

#include <cmath>

namespace corvalen {
namespace {

// A double step result is usable only while finite: an overflow or a
// division by zero makes the step fail as a whole.
bool finite(double v)
{
    return std::isfinite(v);
}

// Stores a double into a single; fails on a value beyond the single range
// (one that the single rounds to infinity).
bool storeSingle(double v, float &target)
{
    if (!finite(v))
        return false;
    const float single = StoredSingle(v);
    if (std::isinf(single))
        return false;
    target = single;
    return true;
}

// exp(-(u - u0)² / (2σ²)) into `target`, or the step fails.
void storeGaussian(std::optional<double> u, std::optional<double> u0,
                   std::optional<double> sigma, float &target)
{
    if (!u || !u0 || !sigma)
        return;
    const double d = *u - *u0;
    const double d2 = d * d;
    const double s2 = 2 * (*sigma * *sigma);
    if (!finite(d) || !finite(d2) || !finite(s2) || s2 == 0)
        return;
    const double ratio = d2 / s2;
    if (!finite(ratio))
        return;
    storeSingle(std::exp(-ratio), target);
}

void storeAmplitude(const PuffInputs &in, float &target)
{
    if (!in.q || !in.sigmaX || !in.sigmaY || !in.sigmaZ)
        return;
    // (2π)^1.5 with the constant 3.1415926, computed as the guideline's
    // formula writes it.
    const double k = std::pow(2 * 3.1415926, 1.5);
    double denominator = k * *in.sigmaX;
    if (!finite(denominator))
        return;
    denominator *= *in.sigmaY;
    if (!finite(denominator))
        return;
    denominator *= *in.sigmaZ;
    const double numerator = 2 * *in.q;
    if (!finite(denominator) || denominator == 0 || !finite(numerator))
        return;
    storeSingle(numerator / denominator, target);
}

// C in single arithmetic, factor by factor as the formula is written.
float product(const PuffFactors &f)
{
    float c = f.a * f.ex;
    c = c * f.ey;
    return c * f.ez;
}

} // namespace

void evaluatePuff(const PuffInputs &in, std::optional<double> x, std::optional<double> y,
                  PuffFactors &factors)
{
    storeAmplitude(in, factors.a);
    storeGaussian(x, in.x0, in.sigmaX, factors.ex);
    storeGaussian(y, in.y0, in.sigmaY, factors.ey);
    storeGaussian(0.0, in.z0, in.sigmaZ, factors.ez);
    factors.c = product(factors);
}

float pointConcentration(const PuffInputs &in, std::optional<double> x, std::optional<double> y)
{
    PuffFactors factors;
    evaluatePuff(in, x, y, factors);
    return factors.c;
}

float roundedGridValue(float c)
{
    // Six decimals through the text of the pattern; a value that rounds to
    // nothing (the text "." alone) does not read back and stays unrounded.
    if (const std::optional<float> rounded = ToSingle(ApplyDisplayPattern(c, QStringLiteral("##.######"))))
        c = *rounded;
    // Below 1E-8 a value means nothing for the assessment: the floor value.
    constexpr float kFloor = 0.00000001f;
    return c < kFloor ? kFloor : c;
}

CriticalDistance criticalDistance(const PuffInputs &in, std::optional<double> cc, long maxRounds)
{
    CriticalDistance result;
    // With Cc of 0 or not a number the relative test cannot be evaluated in
    // any round: the search would run to its bound and find nothing.
    if (!cc || *cc == 0) {
        result.rounds = maxRounds;
        return result;
    }
    const double target = *cc;
    // A, Ey and Ez do not depend on x: the first round stores them (or
    // fails to, leaving 0) and every later round would do the same again.
    PuffFactors factors;
    evaluatePuff(in, 0.01, 0.0, factors);
    // Each round adds 0.01 m to the distance of the round before, which was
    // rounded to four decimals (exactly k/100 as a double); the sum is the
    // point evaluated. Forming k/100 directly gives the same doubles without
    // writing and reading a text per round.
    for (long k = 1; k <= maxRounds; ++k) {
        const double x = static_cast<double>(k - 1) / 100.0 + 0.01;
        storeGaussian(x, in.x0, in.sigmaX, factors.ex);
        factors.c = product(factors);
        const double relative = (target - static_cast<double>(factors.c)) / target;
        if (std::fabs(relative) < 0.005) {
            result.found = true;
            result.x = x;
            result.rounds = k;
            return result;
        }
    }
    result.rounds = maxRounds;
    return result;
}

PuffInputs puffInputs(const PuffBoxes &boxes)
{
    return {.q = ToDouble(boxes.q), .sigmaX = ToDouble(boxes.sigmaX), .sigmaY = ToDouble(boxes.sigmaY),
            .sigmaZ = ToDouble(boxes.sigmaZ), .x0 = ToDouble(boxes.x0), .y0 = ToDouble(boxes.y0),
            .z0 = ToDouble(boxes.z0)};
}

QString puffPointText(const PuffBoxes &boxes, const QString &x, const QString &y)
{
    return SingleText(pointConcentration(puffInputs(boxes), ToDouble(x), ToDouble(y)));
}

GridResult puffGrid(const PuffBoxes &boxes, const GridBoxes &grid)
{
    const PuffInputs in = puffInputs(boxes);
    // One set of factors for the whole grid: a step that fails at a point
    // keeps the factor of the point before.
    PuffFactors factors;
    return walkGrid(grid, kPuffGridRules, [&in, &factors](double x, double y) {
        evaluatePuff(in, x, y, factors);
        return SingleText(roundedGridValue(factors.c));
    });
}

PuffDistance puffDistance(const PuffBoxes &boxes, const QString &cc)
{
    PuffDistance distance;
    distance.search = criticalDistance(puffInputs(boxes), ToDouble(cc));
    distance.text = distance.search.found ? DoubleText(distance.search.x) : QStringLiteral("25000M内未找到临界距离");
    return distance;
}

} // namespace corvalen
