#include "water/river_grid_cumulative.h"

#include "common/number_text.h"

#include <cmath>

namespace corvalen {
namespace {

bool finite(double v)
{
    return std::isfinite(v);
}

// A single-precision step: fails when the result leaves the single range.
void storeSingle(float v, float &target)
{
    if (std::isfinite(v))
        target = v;
}

void storeDouble(double v, double &target)
{
    if (finite(v))
        target = v;
}

// E(z) = exp(-z² / (4 Mq x)); fails on a zero denominator or an overflow.
void storeE(double z, double mq, double x, double &target)
{
    const double denominator = 4.0 * mq * x;
    if (denominator == 0 || !finite(denominator))
        return;
    const double ratio = (z * z) / denominator;
    if (finite(ratio))
        storeDouble(std::exp(-ratio), target);
}

void storeDecay(const CumulativeTerms &terms, double u, double x, double &target)
{
    const double denominator = kSecondsPerDay * u;
    if (denominator == 0)
        return;
    const double exponent = double(terms.minusK1) * x / denominator;
    if (finite(exponent))
        storeDouble(std::exp(exponent), target);
}

void storeCoefficient(const CumulativeInputs &in, bool atBank, double mq, double x,
                      double &target)
{
    const double product = kRiverPi * mq * x;
    if (!finite(product) || product < 0)
        return;
    const double denominator = (atBank ? 1.0 : 2.0) * std::sqrt(product);
    if (denominator == 0)
        return;
    storeDouble(double(in.cp) * in.qp / denominator, target);
}

} // namespace

void evaluateCumulative(const CumulativeInputs &in, std::optional<double> x,
                        std::optional<double> y, CumulativeTerms &terms)
{
    const bool atBank = in.a == 0;
    storeSingle(in.h * in.u, terms.hu);
    storeSingle(2.0f * in.qh, terms.twoQh);
    storeSingle(2.0f * in.a * in.h * in.u, terms.twoAHu);
    storeSingle(terms.twoQh - terms.twoAHu, terms.farShift);
    terms.minusK1 = -in.k1;
    if (y)
        storeDouble(*y * double(terms.hu), terms.q);
    storeDouble(double(in.h) * in.h * in.u * in.my, terms.mq);
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
    storeDouble(c, terms.c);
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
