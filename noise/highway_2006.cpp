#include "noise/highway_2006.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <QStringList>

namespace corvalen {
namespace {

// Constants of one vehicle class: m of the ratio term, k1 to k3 of the speed
// formula, and the reference level a + b·lg v at the reference point (dB).
struct VehicleClass
{
    double m;
    double k1;
    double k2;
    double k3;
    double a;
    double b;
    bool gradientCorrected;  // the small-vehicle level gets no gradient correction
};

constexpr VehicleClass kLarge{0.70957, -0.0519, 149.39, -0.000014202, 22.0, 36.32, true};
constexpr VehicleClass kMedium{0.8044, -0.057537, 149.38, -0.00001639, 8.8, 40.48, true};
constexpr VehicleClass kSmall{1.2102, -0.061748, 149.65, -0.000023696, 12.6, 34.73, false};

// Asphalt −16 dB for every class; cement −16 for large and medium, −14 for
// small vehicles.
constexpr double kPavement = -16;
constexpr double kCementSmallPavement = -14;

// Gradient correction of the large and medium levels, by g in %, the rows
// tested in order; a gradient without a number takes the first row.
double gradientCorrection(const std::optional<double> &g)
{
    if (!g || *g <= 3)
        return 0;
    if (*g >= 4 && *g <= 5)
        return 1;
    if (*g >= 6 && *g < 7)
        return 3;
    if (*g >= 7)
        return 5;
    return 0;
}

QString rightAligned(const QString &text)
{
    return text.rightJustified(5, u' ');
}

// A reference level without a value shows the pattern's zero form, ".".
QString levelText(const std::optional<double> &level)
{
    return PatternOrDot(level, u"####.##");
}

struct ClassInput
{
    const VehicleClass &constants;
    const QString &ratio;
    const QString &volume;
    const QString &manualSpeed;
    VehicleClassValues &values;
    double level = 0;  // at the point, kept from distance to distance
    double distanceCorrection = 0;
};

} // namespace

Highway2006Result predictHighway2006(const Highway2006Inputs &in)
{
    Highway2006Result out;
    ClassInput classes[] = {
        {kLarge, in.ratioLarge, in.volumeLarge, in.speedLarge, out.large},
        {kMedium, in.ratioMedium, in.volumeMedium, in.speedMedium, out.medium},
        {kSmall, in.ratioSmall, in.volumeSmall, in.speedSmall, out.small},
    };
    // Each assignment below is one step: an outcome that fails (no number, a
    // division by zero, an overflow, a logarithm or root it cannot take)
    // leaves the value as it was.
    const Checked volume = Checked::number(in.laneVolume);
    const Checked designSpeed = Checked::number(in.designSpeed);
    const double gradient = gradientCorrection(ToDouble(in.gradient));
    for (ClassInput &c : classes) {
        const VehicleClass &k = c.constants;
        VehicleClassValues &v = c.values;
        const Checked eta = Checked::number(c.ratio);
        StoreFiniteOrKeep(v.ratioTerm, (volume * (eta + k.m * (1 - eta))).value());
        const Checked u = v.ratioTerm;
        StoreFiniteOrKeep(v.formulaSpeed, (k.k1 * u + k.k2 + 1 / (k.k3 * u - k.m)).value());
        // Below a design speed of 120 km/h the formula speeds drop in
        // proportion; a design speed without a number leaves them.
        if (designSpeed.value() && *designSpeed.value() < 120)
            StoreFiniteOrKeep(v.formulaSpeed, (v.formulaSpeed * (designSpeed / 120)).value());
        if (in.speeds == SpeedSource::Formula)
            v.speed = v.formulaSpeed;
        else
            StoreFiniteOrKeep(v.speed, Checked::number(c.manualSpeed).value());
        // A speed of 0 or less leaves the class without a reference level.
        v.referenceLevel = (k.a + k.b * lg(v.speed)).value();
        if (v.referenceLevel && k.gradientCorrected)
            StoreFiniteOrKeep(*v.referenceLevel, (Checked(*v.referenceLevel) + gradient).value());
    }

    const Checked width = Checked::number(in.laneWidth);
    const Checked trees = Checked::number(in.treeAttenuation);
    const Checked buildings = Checked::number(in.buildingAttenuation);
    const Checked angle = Checked::number(in.angle);
    const double farLanes = in.lanes == HighwayLanes::Six ? 5.5 : 3.5;
    double nearDistance = 0;
    double farDistance = 0;
    double r = 0;
    double level = 0;
    QString distanceRow;
    QString levelRow;
    for (int step = 0; step < kHighwayDistanceCount; ++step) {
        const int d = 20 * step;
        StoreFiniteOrKeep(nearDistance, (d + 0.5 * width).value());
        StoreFiniteOrKeep(farDistance, (d + farLanes * width).value());
        // Equivalent distance: the geometric mean of near and far lane.
        StoreFiniteOrKeep(r, squareRoot(Checked(nearDistance) * farDistance).value());
        for (ClassInput &c : classes) {
            // Steeper fall-off above a ratio term of 300 (the test is on U,
            // not on the hourly volume).
            const double factor = c.values.ratioTerm < 300 ? 10 : 15;
            StoreFiniteOrKeep(c.distanceCorrection, (factor * lg(7.5 / Checked(r))).value());
            const double pavement =
                in.pavement == Pavement::Cement && &c.constants == &kSmall ? kCementSmallPavement : kPavement;
            const Checked n = Checked::number(c.volume);
            StoreFiniteOrKeep(c.level, (c.values.referenceLevel.value_or(0) + 10 * lg(n / c.values.speed)
                                        + c.distanceCorrection + pavement).value());
            StoreFiniteOrKeep(c.level, (c.level - trees).value());
            StoreFiniteOrKeep(c.level, (c.level - buildings).value());
        }
        const auto energy = [](double classLevel) { return power(10, 0.1 * Checked(classLevel)); };
        StoreFiniteOrKeep(level, (10 * lg(energy(classes[0].level) + energy(classes[1].level)
                                          + energy(classes[2].level))).value());
        // Finite section seen under θ degrees.
        StoreFiniteOrKeep(level, (level + 10 * lg(angle / 180)).value());
        out.levels[step] = level;
        distanceRow += rightAligned(DoubleText(d)) + QStringLiteral("  ");
        levelRow += rightAligned(ApplyDisplayPattern(level, u"####.##")) + QStringLiteral("  ");
    }

    if (in.speeds == SpeedSource::Manual) {
        for (const ClassInput &c : classes) {
            const auto s = ToDouble(c.manualSpeed);
            if (!s || *s == 0)
                out.zeroSpeedWarning = true;
        }
    }

    const QString &name = in.sectionName;
    const QStringList lines = {
        name + QStringLiteral("的参数输入情况：") + QStringLiteral("单车道流量为：") + in.laneVolume
            + QStringLiteral("辆/h；") + QStringLiteral("大、中、小型车的比例为：") + in.ratioLarge + QStringLiteral("：")
            + in.ratioMedium + QStringLiteral("：") + in.ratioSmall + QStringLiteral("；")
            + QStringLiteral("大、中、小型车的流量分别为为：") + in.volumeLarge + QStringLiteral("辆/h、")
            + in.volumeMedium + QStringLiteral("辆/h、") + in.volumeSmall + QStringLiteral("辆/h。")
            + QStringLiteral("车道宽度为：") + in.laneWidth + QStringLiteral("米；")
            + QStringLiteral("以上参与计算的各参数正确吗?如果不正确，请重新修改对应的参数后，重新计算！"),
        QString(),
        name + QStringLiteral("交通噪声预测结果："),
        QString(),
        QStringLiteral("预测点距公路的距离(米)：") + distanceRow,
        QStringLiteral("预测点的预测结果值(dB)：") + levelRow,
        QString(),
        QStringLiteral("其它相关的参数预测情况："),
        QString(),
        QStringLiteral("各种车型在参照点处平均辐射声级：") + QStringLiteral("大型车：") + levelText(out.large.referenceLevel)
            + QStringLiteral("dB；") + QStringLiteral("中型车：") + levelText(out.medium.referenceLevel)
            + QStringLiteral("dB；") + QStringLiteral("小型车：") + levelText(out.small.referenceLevel)
            + QStringLiteral("dB；"),
        QString(),
        QStringLiteral("公路交通噪声预测模式适用范围："),
        QString(),
        QStringLiteral("1 公路交通噪声预测模式适用于双向六车道及以下的高速公路、一级公路和二级公路，其他公路可做参考；"),
        QStringLiteral("2 预测点在距噪声等效行车线7.5m 以远处；"),
        QStringLiteral("3 车辆平均行驶速度在48～140km/h 之间。"),
    };
    out.report = lines.join(u'\n');
    return out;
}

} // namespace corvalen
