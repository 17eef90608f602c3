#include "water/river_grid_mixing.h"

#include "common/number_text.h"
#include "common/steps.h"

#include <cmath>

namespace corvalen {
namespace {

bool finite(double v)
{
    return std::isfinite(v);
}

// exp(-numerator / denominator) into `target`; the step fails on a zero
// denominator and on an overflow anywhere.
void storeExponential(double numerator, double denominator, double &target)
{
    if (!finite(numerator) || !finite(denominator) || denominator == 0)
        return;
    const double ratio = numerator / denominator;
    if (!finite(ratio))
        return;
    const double e = std::exp(-ratio);
    if (finite(e))
        target = e;
}

void storeDecay(const MixingInputs &in, double x, double &target)
{
    if (!in.k1)
        return;
    const double time = x / (double(in.u) * kSecondsPerDay);  // days of travel
    if (in.u == 0 || !finite(time))
        return;
    const double exponent = -*in.k1 * time;
    const double d = std::exp(exponent);
    if (finite(exponent) && finite(d))
        target = d;
}

void storeFactor(const MixingInputs &in, bool atBank, double x, double &target)
{
    const double product = kRiverPi * in.my * x * in.u;
    if (!finite(product) || product < 0)
        return;
    const double denominator = (atBank ? 1.0 : 2.0) * in.h * std::sqrt(product);
    const double factor = double(in.cp) * in.qp / denominator;
    if (denominator == 0 || !finite(denominator) || !finite(factor))
        return;
    target = factor;
}

} // namespace

void evaluateMixing(const MixingInputs &in, float x, float y, MixingTerms &terms)
{
    const bool atBank = in.a == 0;
    const double u = in.u;
    const double spread = 4.0 * in.my * x;  // 4 My x
    if (in.decays)
        storeDecay(in, x, terms.d);
    storeFactor(in, atBank, x, terms.f);
    storeExponential(double(y) * y * u, spread, terms.e1);
    if (atBank) {
        const double far = 2.0 * in.b - y;
        storeExponential(u * (far * far), spread, terms.e2);
    } else {
        const double near = 2.0 * in.a + y;
        const double far = 2.0 * in.b - 2.0 * in.a - y;
        storeExponential(u * (near * near), spread, terms.e2);
        storeExponential(u * (far * far), spread, terms.e3);
    }
    const double sum = atBank ? terms.e1 + terms.e2 : terms.e1 + terms.e2 + terms.e3;
    double c = in.ch + terms.f * sum;
    if (in.decays)
        c = terms.d * c;
    if (finite(c))
        terms.c = c;
}

double mixingPoint(const MixingInputs &in, float x, float y)
{
    MixingTerms terms;
    evaluateMixing(in, x, y, terms);
    return terms.c;
}

MixingInputs mixingInputs(const MixingBoxes &boxes)
{
    return {.ch = singleOrZero(boxes.ch), .cp = singleOrZero(boxes.cp), .h = singleOrZero(boxes.h),
            .my = singleOrZero(boxes.my), .u = singleOrZero(boxes.u), .qp = singleOrZero(boxes.qp),
            .b = singleOrZero(boxes.b), .a = singleOrZero(boxes.a), .decays = boxes.decays,
            .k1 = boxes.decays ? ToDouble(boxes.k1) : std::nullopt};
}

QString mixingPointText(const MixingBoxes &boxes, const QString &x, const QString &y)
{
    return ApplyDisplayPattern(mixingPoint(mixingInputs(boxes), singleOrZero(x), singleOrZero(y)),
                               kRiverPointPattern);
}

GridResult mixingGrid(const MixingBoxes &boxes, const GridBoxes &grid)
{
    const MixingInputs in = mixingInputs(boxes);
    MixingTerms terms;
    // The cell's coordinates as singles; one beyond the single range keeps
    // the previous cell's, as every failed step does.
    float xSingle = 0, ySingle = 0;
    return walkGrid(grid, kRiverGridRules, [&](double x, double y) {
        if (std::isfinite(StoredSingle(x)))
            xSingle = StoredSingle(x);
        if (std::isfinite(StoredSingle(y)))
            ySingle = StoredSingle(y);
        evaluateMixing(in, xSingle, ySingle, terms);
        return ApplyDisplayPattern(terms.c, kMixingGridPattern);
    });
}

} // namespace corvalen
