#include "water/river_grid_cumulative.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {
namespace {

// E(z) = exp(-z² / (4 Mq x)); fails on a zero denominator or an overflow.
void storeE(double z, double mq, double x, double &target)
{
    StoreFiniteOrKeep(target, exponential(Checked(0) - Checked(z * z) / (4.0 * mq * x)).value());
}

void storeDecay(const CumulativeTerms &terms, double u, double x, double &target)
{
    const Checked exponent = Checked(double(terms.minusK1) * x) / (kSecondsPerDay * u);
    StoreFiniteOrKeep(target, exponential(exponent).value());
}

void storeCoefficient(const CumulativeInputs &in, bool atBank, double mq, double x,
                      double &target)
{
    const Checked root = squareRoot(Checked(kRiverPi * mq * x));
    StoreFiniteOrKeep(target, (double(in.cp) * in.qp / ((atBank ? 1.0 : 2.0) * root)).value());
}

} // namespace

void evaluateCumulative(const CumulativeInputs &in, std::optional<double> x,
                        std::optional<double> y, CumulativeTerms &terms)
{
    const bool atBank = in.a == 0;
    StoreFiniteOrKeep(terms.hu, in.h * in.u);
    StoreFiniteOrKeep(terms.twoQh, 2.0f * in.qh);
    StoreFiniteOrKeep(terms.twoAHu, 2.0f * in.a * in.h * in.u);
    StoreFiniteOrKeep(terms.farShift, terms.twoQh - terms.twoAHu);
    terms.minusK1 = -in.k1;
    if (y)
        StoreFiniteOrKeep(terms.q, *y * double(terms.hu));
    StoreFiniteOrKeep(terms.mq, double(in.h) * in.h * in.u * in.my);
    if (x) {
        if (in.decays)
            storeDecay(terms, in.u, *x, terms.k);
        storeCoefficient(in, atBank, terms.mq, *x, terms.coefficient);
        storeE(terms.q, terms.mq, *x, terms.e1);
        if (atBank) {
            storeE(double(terms.twoQh) - terms.q, terms.mq, *x, terms.e2);
        } else {
            storeE(double(terms.twoAHu) + terms.q, terms.mq, *x, terms.e2);
            storeE(double(terms.farShift) - terms.q, terms.mq, *x, terms.e3);
        }
    }
    const double sum = atBank ? terms.e1 + terms.e2 : terms.e1 + terms.e2 + terms.e3;
    double c = in.ch + terms.coefficient * sum;
    if (in.decays)
        c = terms.k * c;
    StoreFiniteOrKeep(terms.c, c);
}

double cumulativePoint(const CumulativeInputs &in, std::optional<double> x,
                       std::optional<double> y)
{
    CumulativeTerms terms;
    evaluateCumulative(in, x, y, terms);
    return terms.c;
}

CumulativeInputs cumulativeInputs(const CumulativeBoxes &boxes)
{
    return {.qh = singleOrZero(boxes.qh), .h = singleOrZero(boxes.h), .ch = singleOrZero(boxes.ch),
            .qp = singleOrZero(boxes.qp), .my = singleOrZero(boxes.my), .cp = singleOrZero(boxes.cp),
            .a = singleOrZero(boxes.a), .u = singleOrZero(boxes.u), .decays = boxes.decays,
            .k1 = boxes.decays ? singleOrZero(boxes.k1) : 0.0f};
}

QString cumulativePointText(const CumulativeBoxes &boxes, const QString &x, const QString &y)
{
    return ApplyDisplayPattern(cumulativePoint(cumulativeInputs(boxes), ToDouble(x), ToDouble(y)),
                               kRiverPointPattern);
}

GridResult cumulativeGrid(const CumulativeBoxes &boxes, const GridBoxes &grid)
{
    const CumulativeInputs in = cumulativeInputs(boxes);
    CumulativeTerms terms;
    return walkGrid(grid, kRiverGridRules, [&in, &terms](double x, double y) {
        evaluateCumulative(in, x, y, terms);
        return ApplyDisplayPattern(terms.c, kCumulativeGridPattern);
    });
}

} // namespace corvalen
