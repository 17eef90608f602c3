#include "atmosphere/plume_rise.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace corvalen {
namespace {

using Value = std::optional<double>;

struct ClassRow
{
    const char16_t *name;
    bool stable;
    Value lapseRate;  // default dT/dz (K/m)
};

// "D-E" has no default gradient: the box keeps what it holds.
const std::array<ClassRow, 9> kClasses = {{
    {u"A", false, -0.019},
    {u"B", false, -0.018},
    {u"B-C", false, -0.017},
    {u"C", false, -0.016},
    {u"C-D", false, -0.014},
    {u"D", false, -0.0098},
    {u"D-E", true, std::nullopt},
    {u"E", true, 0},
    {u"F", true, 0.01},
}};

const ClassRow *classRow(const QString &name)
{
    for (const ClassRow &row : kClasses) {
        if (name == QStringView(row.name))
            return &row;
    }
    return nullptr;
}

// Power-law coefficients n0, n1, n2.
struct PowerLaw
{
    double n0, n1, n2;
};

// Rural and urban, Qh ≥ 21000 kJ/s and 2100 ≤ Qh < 21000 kJ/s.
constexpr PowerLaw kRuralUpper = {1.427, 1.0 / 3, 2.0 / 3};
constexpr PowerLaw kRuralLower = {0.332, 3.0 / 5, 2.0 / 5};
constexpr PowerLaw kUrbanUpper = {1.303, 1.0 / 3, 2.0 / 3};
constexpr PowerLaw kUrbanLower = {0.292, 3.0 / 5, 2.0 / 5};

// Bounds of the heat release rate (kJ/s) and of ΔT (K).
constexpr double kLargeSource = 21000;
constexpr double kPowerLawSource = 2100;
constexpr double kSmallSource = 1700;
constexpr double kMinimumExcess = 35;
// Wind speed (m/s) below which the calm-wind formula holds.
constexpr double kCalmWind = 1.5;
// Dry adiabatic lapse rate (K/m).
constexpr double kAdiabatic = 0.0098;
// π as the tool writes it in the exit velocity.
constexpr double kPi = 3.1415926;

// A step on input texts: fails when one of them is no number.
template <class F>
Value step(std::initializer_list<Value> inputs, F formula)
{
    for (const Value &v : inputs) {
        if (!v)
            return std::nullopt;
    }
    return Finite(formula());
}

} // namespace

QStringList plumeRiseClasses()
{
    QStringList names;
    for (const ClassRow &row : kClasses)
        names.append(QString::fromUtf16(row.name));
    return names;
}

std::optional<double> defaultLapseRate(const QString &stabilityClass)
{
    const ClassRow *row = classRow(stabilityClass);
    return row ? row->lapseRate : std::nullopt;
}

PlumeRiseResult computePlumeRise(const PlumeRiseInputs &in)
{
    PlumeRiseResult r;
    const Value h = ToDouble(in.height);
    const Value d = ToDouble(in.diameter);
    const Value qv = ToDouble(in.gasFlow);
    const Value ts = ToDouble(in.gasTemperature);
    const Value u = ToDouble(in.windSpeed);
    const Value t = ToDouble(in.airTemperature);
    const Value gradient = ToDouble(in.lapseRate);
    const Value pa = ToDouble(in.pressure);

    // Air pressure in hPa; the flue-gas temperature in kelvin divides.
    const Value pressure = step({pa}, [&] { return 1013.25 * *pa; });
    r.temperatureDifference = step({ts, t}, [&] { return *ts - *t; });
    const double dt = r.temperatureDifference.value_or(0);
    r.heatRelease = step({qv, ts}, [&] { return 0.35 * pressure.value_or(0) * *qv * dt / (*ts + 273.15); });
    const double qh = r.heatRelease.value_or(0);

    const auto powerLaw = [&](const PowerLaw &c) {
        r.n0 = c.n0;
        r.n1 = c.n1;
        r.n2 = c.n2;
        return step({h, u}, [&] { return c.n0 * std::pow(qh, c.n1) * std::pow(*h, c.n2) / *u; });
    };
    const auto exitVelocity = [&] {
        r.exitVelocity = step({qv, d}, [&] { return *qv / (kPi * ((*d / 2) * (*d / 2))); });
        return r.exitVelocity.value_or(0);
    };

    const ClassRow *row = classRow(in.stabilityClass);
    const bool windy = u && *u >= kCalmWind;
    const bool calm = u && *u < kCalmWind;
    if (row && !row->stable && windy) {
        const bool rural = in.rural;
        if (qh >= kLargeSource && dt >= kMinimumExcess) {
            r.rule = PlumeRiseRule::PowerLawUpper;
            r.rise = powerLaw(rural ? kRuralUpper : kUrbanUpper);
        } else if (qh >= kPowerLawSource && dt >= kMinimumExcess) {
            r.rule = PlumeRiseRule::PowerLawLower;
            r.rise = powerLaw(rural ? kRuralLower : kUrbanLower);
        } else if (qh > kSmallSource && qh < kPowerLawSource) {
            // Blends the small-source value at 1700 kJ/s into the power law at 2100.
            r.rule = PlumeRiseRule::Transition;
            const double rise2 = powerLaw(rural ? kRuralLower : kUrbanLower).value_or(0);
            const double vs = exitVelocity();
            const double rise1 =
                step({d, u}, [&] { return 2 * (1.5 * vs * *d + 0.01 * qh) / *u - 0.048 * (qh - kSmallSource) / *u; })
                    .value_or(0);
            r.rise = Finite(rise1 + (rise2 - rise1) * (qh - kSmallSource) / 400);
        } else {
            // Qh ≤ 1700 kJ/s, or ΔT < 35 K.
            r.rule = PlumeRiseRule::SmallSource;
            const double vs = exitVelocity();
            r.rise = step({d, u}, [&] { return 2 * (1.5 * vs * *d + 0.01 * qh) / *u; });
        }
    } else if (row && row->stable && windy) {
        r.rule = PlumeRiseRule::Stable;
        r.rise = step({gradient, u}, [&] {
            return std::pow(qh, 1.0 / 3) * std::pow(*gradient + kAdiabatic, -1.0 / 3) * std::pow(*u, -1.0 / 3);
        });
    } else if (calm) {
        r.rule = PlumeRiseRule::Calm;
        r.rise = step({gradient}, [&] { return 5.5 * std::pow(qh, 1.0 / 4) * std::pow(*gradient + kAdiabatic, -3.0 / 8); });
    }
    r.effectiveHeight = step({h}, [&] { return *h + r.rise.value_or(0); });

    // The coefficients are reported only where the power law holds.
    if (qh < kPowerLawSource || dt < kMinimumExcess || calm)
        r.n0 = r.n1 = r.n2 = 0;

    const auto plain = [](const Value &v) { return v ? DoubleText(*v) : QString(); };
    const auto patterned = [](const Value &v) { return v ? ApplyDisplayPattern(*v, u"####.####") : QString(); };
    const QStringList lines = {
        QStringLiteral("项目所在位置:") + (in.rural ? QStringLiteral("农村或城市远郊") : QStringLiteral("城市或城市近郊")),
        QStringLiteral("参数:"),
        QStringLiteral("    烟囱几何高度 H =") + in.height + QStringLiteral("(m)"),
        QStringLiteral("    烟囱出口内直径 d =") + in.diameter + QStringLiteral("(m)"),
        QStringLiteral("    烟囱烟气排放率 Qv = ") + in.gasFlow + QStringLiteral("(m^3/s)"),
        QStringLiteral("    烟囱出口烟气温度 Ts = ") + in.gasTemperature + QStringLiteral("(℃)"),
        QStringLiteral("    地面10m处平均风速 U10 =") + in.windSpeed10 + QStringLiteral("(m/s)"),
        QStringLiteral("    烟囱出口处平均风速 U = ") + in.windSpeed + QStringLiteral("(m/s)"),
        QStringLiteral("    稳定度等级 = ") + in.stabilityClass,
        QStringLiteral("    烟囱出口处的大气温度 Ta = ") + in.airTemperature + QStringLiteral("(℃)"),
        QStringLiteral("    大气比标压 Pa = ") + in.pressure + QStringLiteral("(个)标压"),
        QStringLiteral("    烟囱几何高度以上的大气温度梯度 dTdz = ") + in.lapseRate + QStringLiteral("(K/m)"),
        QStringLiteral("结果:"),
        QStringLiteral("    烟气温度与环境温差 ΔT = ") + plain(r.temperatureDifference) + QStringLiteral("(℃)"),
        QStringLiteral("    烟气热释放率   Qh = ") + patterned(r.heatRelease) + QStringLiteral("(KJ/s)"),
        QStringLiteral("    烟气出口处排出风速 Vs = ") + patterned(r.exitVelocity) + QStringLiteral("(m/s)"),
        QStringLiteral("    烟气热状况及地表状况系数 n0 =") + plain(r.n0),
        QStringLiteral("    烟气热释放率指数 n1 =") + plain(r.n1),
        QStringLiteral("    排气筒高度指数 n2 = ") + plain(r.n2),
        QStringLiteral("    烟气抬升高度 ΔH = ") + patterned(r.rise) + QStringLiteral("(m)"),
        QStringLiteral("    烟囱有效高度 He = ") + patterned(r.effectiveHeight) + QStringLiteral("(m)"),
    };
    r.report = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return r;
}

} // namespace corvalen
