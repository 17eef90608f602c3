#include "water/river_profile_thomas.h"

#include "common/numbers/number_text.h"
#include "water/river_profile_mixing.h"
#include "water/river_profile_steps.h"

namespace corvalen {
namespace {

using river::Real;
using river::Single;

constexpr QStringView kPattern = u"####.####";
constexpr double kSecondsPerDay = 86400;

struct Thomas
{
    float c0 = 0, d0 = 0;
    float u = 0, k1 = 0, k2 = 0, k3 = 0;
    float k = 0, a = 0;
    double t = 0, e1 = 0, e2 = 0, e = 0;
    QString d = ApplyDisplayPattern(0.0, kPattern);
    QString c = ApplyDisplayPattern(0.0, kPattern);

    void at(double x, QStringList &values)
    {
        river::store((Single(k2) - Single(k1)) - Single(k3), k);
        river::store(Single(c0) * Single(k1) / Single(k), a);
        river::store(x / (kSecondsPerDay * Real(u)), t);
        const Real loss = Real(k1) + Real(k3);
        river::store(exp(-loss * Real(t)), e1);
        river::store(exp(-Real(k2) * Real(t)), e2);
        river::store(Real(d0) * Real(e2), e);
        const Real deficit = Real(a) * (Real(e1) - Real(e2)) + Real(e);
        if (deficit.ok())
            d = ApplyDisplayPattern(deficit.value(), kPattern);
        // C has its own exponential: it does not reuse e1.
        const Real concentration = Real(c0) * exp(-loss * x / (kSecondsPerDay * Real(u)));
        if (concentration.ok())
            c = ApplyDisplayPattern(concentration.value(), kPattern);
        values << d << c;
    }
};

} // namespace

QString thomasReport(const ThomasInputs &in, ProgressState &bar)
{
    Thomas model;
    const float qp = profileInput(in.qp), cp = profileInput(in.cp);
    const float qh = profileInput(in.qh), ch = profileInput(in.ch);
    model.u = profileInput(in.u);
    const float dp = profileInput(in.dp), dh = profileInput(in.dh);
    model.k1 = profileInput(in.k1);
    model.k2 = profileInput(in.k2);
    model.k3 = profileInput(in.k3);
    model.c0 = mixedConcentration(cp, qp, ch, qh);
    model.d0 = mixedConcentration(dp, qp, dh, qh);
    const QStringList headings{
        QStringLiteral("托马斯模式_河9计算结果:"),
        QStringLiteral("x(m)   D(mg/L)    C(mg/L)"),
    };
    return runDistanceProfile(
               headings, in.range, [&model](double x, QStringList &values) { model.at(x, values); }, bar)
        .report;
}

} // namespace corvalen
