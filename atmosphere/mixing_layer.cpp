#include "atmosphere/mixing_layer.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <array>
#include <cmath>
#include <vector>

namespace corvalen {
namespace {

// One province group of the guideline's mixing-layer table: its provinces
// and the coefficients a of the classes A to D (multiplying U10 / f) and b
// of E and F (multiplying √(U10 / f)).
struct ProvinceGroup
{
    std::vector<const char16_t *> provinces;
    std::array<double, 6> coefficients;  // A, B, C, D, E, F
};

const std::array<ProvinceGroup, 4> kGroups = {{
    {{u"新疆", u"西藏", u"青海"}, {0.09, 0.067, 0.041, 0.031, 1.66, 0.7}},
    {{u"黑龙江", u"吉林", u"辽宁", u"内蒙古", u"北京", u"天津", u"河北", u"山东", u"河南", u"山西",
      u"陕西（秦岭以北）", u"宁夏", u"甘肃（渭河以北）"},
     {0.073, 0.06, 0.041, 0.019, 1.66, 0.7}},
    {{u"上海", u"广西", u"广东", u"湖北", u"湖南", u"江苏", u"浙江", u"安徽", u"海南", u"台湾", u"福建",
      u"江西"},
     {0.056, 0.029, 0.02, 0.012, 1.66, 0.7}},
    {{u"四川", u"贵州", u"云南", u"甘肃（渭河以南）", u"陕西（秦岭以南）"}, {0.073, 0.048, 0.031, 0.022, 1.66, 0.7}},
}};

const std::array<const char16_t *, 6> kClasses = {u"A", u"B", u"C", u"D", u"E", u"F"};

// π as the guideline tool writes it, and the earth's angular velocity (rad/s).
constexpr double kPi = 3.14159265358979;
constexpr double kOmega = 7.29e-05;

// Classes A to D grow linearly with the wind speed; every other class text
// takes the square-root form.
bool isLinearClass(const QString &stabilityClass)
{
    for (int i = 0; i < 4; ++i) {
        if (stabilityClass == QStringView(kClasses[i]))
            return true;
    }
    return false;
}

std::optional<double> height(const QString &stabilityClass, double coefficient, const QString &windText, double f)
{
    const auto u10 = ToDouble(windText);
    if (!u10 || f == 0)
        return std::nullopt;
    if (isLinearClass(stabilityClass))
        return Finite(coefficient * *u10 / f);
    const double ratio = *u10 / f;
    if (!std::isfinite(ratio) || ratio < 0)
        return std::nullopt;
    return Finite(coefficient * std::sqrt(ratio));
}

} // namespace

QStringList mixingLayerClasses()
{
    QStringList classes;
    for (const char16_t *c : kClasses)
        classes.append(QString::fromUtf16(c));
    return classes;
}

QStringList mixingLayerProvinces()
{
    QStringList provinces;
    for (const ProvinceGroup &group : kGroups) {
        for (const char16_t *p : group.provinces)
            provinces.append(QString::fromUtf16(p));
    }
    return provinces;
}

std::optional<double> mixingLayerCoefficient(const QString &stabilityClass, const QString &province)
{
    const int column = mixingLayerClasses().indexOf(stabilityClass);
    if (column < 0)
        return std::nullopt;
    for (const ProvinceGroup &group : kGroups) {
        for (const char16_t *p : group.provinces) {
            if (province == QStringView(p))
                return group.coefficients[column];
        }
    }
    return std::nullopt;
}

MixingLayerResult computeMixingLayer(const MixingLayerInputs &in)
{
    MixingLayerResult r;
    // The minutes count with their own sign: -27° 30' is -26.5°.
    r.latitude = LeadingNumber(in.degrees) + LeadingNumber(in.minutes) / 60;
    r.coriolis = 2 * kOmega * std::sin(r.latitude * kPi / 180);
    r.coefficient = mixingLayerCoefficient(in.stabilityClass, in.province);
    // An unknown class or province counts as a coefficient of 0.
    r.height = height(in.stabilityClass, r.coefficient.value_or(0), in.windSpeed, r.coriolis);

    const QStringList lines = {
        QStringLiteral("参数:"),
        QStringLiteral("    地面10m处平均风速 U10 = ") + in.windSpeed + QStringLiteral("(m/s)"),
        QStringLiteral("    地区类别:") + in.province,
        QStringLiteral("    地区纬度：") + in.degrees + QStringLiteral("度") + in.minutes + QStringLiteral("分"),
        QStringLiteral("结果:"),
        QStringLiteral("    混合层系数 =") + (r.coefficient ? DoubleText(*r.coefficient) : QString()),
        QStringLiteral("    混合层高度 hf = ") + (r.height ? ApplyDisplayPattern(*r.height, u"#####.###") : QString())
            + QStringLiteral("(m)"),
    };
    r.report = lines.join(QLatin1Char('\n'));
    return r;
}

} // namespace corvalen
