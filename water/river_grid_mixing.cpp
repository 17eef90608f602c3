#include "water/river_grid_mixing.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {
namespace {

// exp(-numerator / denominator) into `target`; the step fails on a zero
// denominator and on an overflow anywhere.
void storeExponential(double numerator, double denominator, double &target)
{
    StoreFiniteOrKeep(target, exponential(Checked(0) - Checked(numerator) / denominator).value());
}

void storeDecay(const MixingInputs &in, double x, double &target)
{
    if (!in.k1)
        return;
    const Checked time = Checked(x) / (double(in.u) * kSecondsPerDay);  // days of travel
    StoreFiniteOrKeep(target, exponential(-*in.k1 * time).value());
}

void storeFactor(const MixingInputs &in, bool atBank, double x, double &target)
{
    const Checked root = squareRoot(Checked(kRiverPi * in.my * x * in.u));
    StoreFiniteOrKeep(target, (double(in.cp) * in.qp / ((atBank ? 1.0 : 2.0) * in.h * root)).value());
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
    StoreFiniteOrKeep(terms.c, c);
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
        StoreFiniteOrKeep(xSingle, x);
        StoreFiniteOrKeep(ySingle, y);
        evaluateMixing(in, xSingle, ySingle, terms);
        return ApplyDisplayPattern(terms.c, kMixingGridPattern);
    });
}

} // namespace corvalen
