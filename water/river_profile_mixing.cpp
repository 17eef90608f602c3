#include "water/river_profile_mixing.h"

#include "common/numbers/number_text.h"
#include "water/river_profile_steps.h"

namespace corvalen {
namespace {

using river::Real;
using river::Single;

constexpr QStringView kPattern = u"###.####";
// Seconds per day: x / (86400·u) is the travel time in days.
constexpr double kSecondsPerDay = 86400;

QString completeMixingReport(const MixingInputs &in, ProgressState &bar)
{
    const float c = mixedConcentration(profileInput(in.cp), profileInput(in.qp),
                                       profileInput(in.ch), profileInput(in.qh));
    const QStringList lines{
        QStringLiteral("完全混合模式_河1计算结果:"),
        QString(),
        QStringLiteral("河流流量 Qh ：") + in.qh + QStringLiteral(" m^3/s"),
        QStringLiteral("河流本底浓度 Ch：") + in.ch + QStringLiteral(" mg/L"),
        QStringLiteral("污水流量 Qp ：") + in.qp + QStringLiteral(" m^3/s"),
        QStringLiteral("污水浓度 Cp：") + in.cp + QStringLiteral(" mg/L"),
        QString(),
        QStringLiteral("C=") + ApplyDisplayPattern(c, kPattern) + QStringLiteral("mg/L"),
    };
    // The bar sweeps once from 1 to 100.
    bar.setMinimum(0);
    bar.setMaximum(100);
    bar.visible = true;
    for (int step = 1; step <= 100; ++step)
        bar.setValue(step);
    return lines.join(u'\r');
}

// The S-P steps at one distance, keeping their values from distance to
// distance.
struct OxygenSag
{
    float c0 = 0;  // mixed concentration, mg/L
    float d0 = 0;  // mixed oxygen deficit, mg/L
    float k1 = 0, k2 = 0, u = 0;
    float a = 0;
    double e1 = 0, e2 = 0;
    QString d = ApplyDisplayPattern(0.0, kPattern);
    QString c = ApplyDisplayPattern(0.0, kPattern);

    void at(double x, QStringList &values)
    {
        const Single k1s(k1), k2s(k2);
        river::store(k1s * Single(c0) / (k2s - k1s), a);
        const Real travel = kSecondsPerDay * Real(u);
        river::store(exp(-Real(k1) * x / travel), e1);
        river::store(exp(-Real(k2) * x / travel), e2);
        const Real deficit = Real(a) * (Real(e1) - Real(e2)) + Real(d0) * Real(e2);
        if (deficit.ok())
            d = ApplyDisplayPattern(deficit.value(), kPattern);
        const Real concentration = Real(c0) * Real(e1);
        if (concentration.ok())
            c = ApplyDisplayPattern(concentration.value(), kPattern);
        values << d << c;
    }
};

QString oxygenSagReport(const MixingInputs &in, ProgressState &bar)
{
    OxygenSag sag;
    const float qh = profileInput(in.qh), ch = profileInput(in.ch);
    const float qp = profileInput(in.qp), cp = profileInput(in.cp);
    sag.u = profileInput(in.u);
    const float dp = profileInput(in.dp), dh = profileInput(in.dh);
    sag.k1 = profileInput(in.k1);
    sag.k2 = profileInput(in.k2);
    sag.c0 = mixedConcentration(cp, qp, ch, qh);
    sag.d0 = mixedConcentration(dp, qp, dh, qh);
    const QStringList headings{
        QStringLiteral("S-P模式计算结果(氧亏和污染物浓度)_河5计算结果："),
        QString(),
        QStringLiteral("x(m)   D(mg/L)    C(mg/L)"),
    };
    return runDistanceProfile(
               headings, in.range, [&sag](double x, QStringList &values) { sag.at(x, values); }, bar)
        .report;
}

} // namespace

float mixedConcentration(float cp, float qp, float ch, float qh)
{
    float c = 0;
    const Single mixed = (Single(cp) * Single(qp) + Single(ch) * Single(qh)) / (Single(qp) + Single(qh));
    if (mixed.ok())
        c = mixed.value();
    return c;
}

QString mixingReport(const MixingInputs &in, ProgressState &bar)
{
    return in.velocityEnabled ? oxygenSagReport(in, bar) : completeMixingReport(in, bar);
}

} // namespace corvalen
