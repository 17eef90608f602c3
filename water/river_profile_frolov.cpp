#include "water/river_profile_frolov.h"

#include "common/numbers/number_text.h"
#include "water/river_profile_steps.h"

namespace corvalen {
namespace {

using river::Real;
using river::Single;

constexpr QStringView kPattern = u"####0.0000";
constexpr double kSecondsPerDay = 86400;

struct Frolov
{
    bool decays = false;  // river model 7
    float qp = 0, ch = 0, h = 0, epsilon = 0, qh = 0, cp = 0, v = 0, k1 = 0, r = 0, roughness = 0;
    double p = 0, w = 0, alpha = 0, beta = 0, gamma = 0, mixing = 0, decay = 0;
    QString c = ApplyDisplayPattern(0.0, kPattern);

    void at(double x, QStringList &values)
    {
        river::store(power(Real(r), 1.0 / 6.0), p);
        river::store(power((Single(h) * Single(v) * Single(roughness)) / Real(p), 1.0 / 3.0), w);
        river::store(Real(w) * (0.604 * Real(epsilon)), alpha);
        river::store(exp(-Real(alpha) * power(Real(x), 1.0 / 3.0)), beta);
        river::store((1 - Real(beta)) / (1 + Real(beta) * (Single(qh) / Single(qp))), gamma);
        river::store((Real(qp) + Real(gamma) * Real(qh)) / Real(qp), mixing);
        const Real n = mixing;
        Real concentration = Real(cp) / n + Real(ch) * (n - 1) / n;
        if (decays) {
            river::store(exp(-Real(k1) * x / (kSecondsPerDay * Real(v))), decay);
            concentration = concentration * Real(decay);
        }
        if (concentration.ok())
            c = ApplyDisplayPattern(concentration.value(), kPattern);
        values << c;
    }
};

} // namespace

QString frolovReport(const FrolovInputs &in, ProgressState &bar)
{
    Frolov model;
    model.qp = profileInput(in.qp);
    model.ch = profileInput(in.ch);
    model.h = profileInput(in.h);
    model.epsilon = profileInput(in.epsilon);
    model.qh = profileInput(in.qh);
    model.cp = profileInput(in.cp);
    model.v = profileInput(in.v);
    model.k1 = profileInput(in.k1);
    model.r = profileInput(in.r);
    model.roughness = profileInput(in.n);
    model.decays = model.k1 != 0;
    const QStringList headings{
        model.decays ? QStringLiteral("河-7 弗-罗衰减模式计算结果(mg/L)：")
                     : QStringLiteral("河-3 弗-罗模式计算结果(mg/L)："),
        QStringLiteral("x(i)     c(i)"),
    };
    return runDistanceProfile(
               headings, in.range, [&model](double x, QStringList &values) { model.at(x, values); }, bar)
        .report;
}

} // namespace corvalen
