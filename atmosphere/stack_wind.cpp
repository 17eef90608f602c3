#include "atmosphere/stack_wind.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <array>
#include <cmath>

namespace corvalen {
namespace {

// Wind-profile exponents recommended by the national standard for
// calculating discharge standards of air pollutants.
struct ExponentRow
{
    const char16_t *stabilityClass;
    double rural;
    double urban;
};

const std::array<ExponentRow, 5> kExponents = {{
    {u"A", 0.07, 0.1},
    {u"B", 0.07, 0.15},
    {u"C", 0.1, 0.2},
    {u"D", 0.15, 0.25},
    {u"E、F", 0.25, 0.3},
}};

} // namespace

QStringList stackWindClasses()
{
    QStringList classes;
    for (const ExponentRow &row : kExponents)
        classes.append(QString::fromUtf16(row.stabilityClass));
    return classes;
}

std::optional<double> recommendedWindExponent(const QString &stabilityClass, bool rural)
{
    for (const ExponentRow &row : kExponents) {
        if (stabilityClass == QStringView(row.stabilityClass))
            return rural ? row.rural : row.urban;
    }
    return std::nullopt;
}

StackWindResult computeStackWind(const StackWindInputs &in)
{
    StackWindResult r;
    QString location;
    QString stabilityLine;
    QString exponentText;
    if (in.directEntry) {
        r.exponent = ToDouble(in.exponent);
        exponentText = in.exponent;
        // Direct entry names no place or class of its own: fixed texts.
        location = QStringLiteral("农村或城市远郊,区(地势较平坦)");
        stabilityLine = QStringLiteral("    稳定度等级＝Ｄ");
    } else {
        r.exponent = recommendedWindExponent(in.stabilityClass, in.rural);
        if (!r.exponent) {
            r.report = QStringLiteral("无对应的参数,请检查输入!");
            return r;
        }
        exponentText = DoubleText(*r.exponent);
        location = in.rural ? QStringLiteral("农村和城市远郊") : QStringLiteral("城市或城市近郊");
        stabilityLine = QStringLiteral("    稳定度等级＝") + in.stabilityClass;
    }

    const auto u10 = ToDouble(in.windSpeed);
    const auto h = ToDouble(in.height);
    if (u10 && h && r.exponent)
        r.windSpeed = Finite(*u10 * std::pow(*h / 10, *r.exponent));

    const QStringList lines = {
        QStringLiteral("计算烟囱出口风速："),
        QStringLiteral("结果："),
        QStringLiteral("    烟囱出口处平均风速 U =")
            + (r.windSpeed ? ApplyDisplayPattern(*r.windSpeed, u"####.######") : QString()) + QStringLiteral("(m / s)"),
        QStringLiteral("参数如下:"),
        QStringLiteral("    项目所在的位置:") + location,
        QStringLiteral("    地面10米高处风速U10=") + in.windSpeed + QStringLiteral("(m / s)"),
        QStringLiteral("    烟囱几何高度H=") + in.height + QStringLiteral("(m)"),
        stabilityLine,
        QStringLiteral("    风速幂指数 =") + exponentText,
    };
    r.report = lines.join(QLatin1Char('\n'));
    return r;
}

} // namespace corvalen
