#include "noise/highway_1996.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace corvalen {
namespace {

constexpr std::array<std::int16_t, kHighwayDistanceCount> kDistances = {20, 30, 40, 50, 60, 70, 80, 100, 140, 160, 250};
// K2 by prediction distance D (the table of the model gives it by vehicle
// spacing; the window has always looked it up by D).
constexpr std::array<double, kHighwayDistanceCount> kDistanceConstants = {0.17,  0.617, 0.716, 0.78, 0.806, 0.833,
                                                                          0.84, 0.855, 0.88,  0.885, 0.89};

struct Period
{
    double volume;
    double speed;
    double spacing;  // m between vehicles
};

// One vehicle class: emission level a + b·v at 7.5 m (dB), gradient factor
// (dB per unit of β), and its day and night traffic.
struct ClassTraffic
{
    double a;
    double b;
    double gradientFactor;
    Period day;
    Period night;
};

// Level of one class and period at the receiver before obstacles, dB.
double classLevel(StepChain &s, const ClassTraffic &c, const Period &p, double attenuation, double corrections)
{
    const double emission = c.a + c.b * p.speed;
    return emission + 10 * s.lg(s.quotient(p.volume, p.speed)) - attenuation - 13 + corrections;
}

double energySum(StepChain &s, double small, double medium, double large)
{
    return 10 * s.lg(std::pow(10.0, 0.1 * small) + std::pow(10.0, 0.1 * medium) + std::pow(10.0, 0.1 * large));
}

// Distances and the stored single-precision levels, two decimals with group
// separators.
template <class T>
QString column(T value)
{
    return ApplyDisplayPattern(value, u"###,##0.00");
}

QString padded(const QString &text, const QString &distance)
{
    return QString(std::max<qsizetype>(distance.size() - text.size(), 0), u' ') + text + QStringLiteral("  ");
}

} // namespace

void Highway1996::load()
{
    chooseGround(Ground::Ordinary);
    distances = kDistances;
}

void Highway1996::chooseGround(Ground ground)
{
    switch (ground) {
    case Ground::Hard: groundConstant = 0.9; break;
    case Ground::Ordinary: groundConstant = 1.0; break;
    case Ground::Lawn: groundConstant = 1.1; break;
    }
}

QString Highway1996::press(const Highway1996Inputs &in)
{
    // A step that cannot be taken fails the press and gives 0, so the press
    // runs to its end without a crash.
    StepChain s;
    // Mean speeds from the day volumes; small vehicles count at least 100.
    const double daySmall = s.number(in.daySmall);
    const double smallVolume = daySmall < 100 ? 100 : daySmall;
    const double smallSpeed = 237 * s.power(smallVolume, -0.1602);
    const double mediumSpeed = 212 * s.power(s.number(in.dayMedium), -0.1747);
    const double largeSpeed = 0.8 * mediumSpeed;
    auto period = [&s](double volume, double speed) { return Period{volume, speed, s.quotient(1000 * speed, volume)}; };
    const double beta = s.number(in.gradient);
    // Emission levels LW = a + b·v; gradient 50, 73 and 98 β.
    ClassTraffic small{59.3, 0.23, 50, period(smallVolume, smallSpeed),
                       period(s.number(in.nightSmall), 0.8 * smallSpeed)};
    ClassTraffic medium{62.6, 0.32, 73, period(s.number(in.dayMedium), mediumSpeed),
                        period(s.number(in.nightMedium), 0.8 * mediumSpeed)};
    ClassTraffic large{77.2, 0.18, 98, period(s.number(in.dayLarge), largeSpeed),
                       period(s.number(in.nightLarge), 0.8 * largeSpeed)};
    const double width = s.number(in.laneWidth);
    const double pavement = in.pavement == Pavement::Cement ? 2 : 0;
    const double obstacles = s.number(in.woodsAttenuation) + s.number(in.buildingAttenuation);
    // Finite section: 10·lg(θ / 180) is added.
    const double section = -10 * s.lg(s.number(in.angle) / 180);
    const double k1 = groundConstant;

    std::array<float, kHighwayDistanceCount> day{};
    std::array<float, kHighwayDistanceCount> night{};
    double k2 = distanceConstant;
    for (int i = 0; i < kHighwayDistanceCount; ++i) {
        const double d = distances[i];
        // Geometric mean of the distances to the nearest and farthest of
        // the four lanes' centre lines.
        const double r = s.root((d + 0.5 * width) * (d + 3.5 * width));
        k2 = kDistanceConstants[i];
        double levels[2][3];
        const ClassTraffic *classes[] = {&small, &medium, &large};
        for (int c = 0; c < 3; ++c) {
            const ClassTraffic &t = *classes[c];
            const double corrections = t.gradientFactor * beta + pavement - obstacles;
            // The day spacing decides the form for both periods; the two
            // forms agree at r = dday / 2.
            double dayAttenuation;
            double nightAttenuation;
            if (r < t.day.spacing / 2) {
                dayAttenuation = nightAttenuation = 20 * k1 * k2 * s.lg(r / 7.5);
            } else {
                auto far = [&](double spacing) {
                    const double half = 0.5 * spacing;
                    return 20 * k1 * (k2 * s.lg(half / 7.5) + s.lg(s.root(s.quotient(r, half))));
                };
                dayAttenuation = far(t.day.spacing);
                nightAttenuation = far(t.night.spacing);
            }
            levels[0][c] = classLevel(s, t, t.day, dayAttenuation, corrections);
            levels[1][c] = classLevel(s, t, t.night, nightAttenuation, corrections);
        }
        day[i] = StoredSingle(energySum(s, levels[0][0], levels[0][1], levels[0][2]) - section);
        night[i] = StoredSingle(energySum(s, levels[1][0], levels[1][1], levels[1][2]) - section);
        s.checked(day[i]);
        s.checked(night[i]);
    }
    const double year = s.number(in.year);
    if (s.failed())
        return QString();
    distanceConstant = k2;
    dayLevels = day;
    nightLevels = night;

    QString distanceRow;
    QString dayRow;
    QString nightRow;
    for (int i = 0; i < kHighwayDistanceCount; ++i) {
        const QString t = column(double(distances[i]));
        distanceRow += t + QStringLiteral("  ");
        dayRow += padded(column(dayLevels[i]), t);
        nightRow += padded(column(nightLevels[i]), t);
    }
    // The title is centred over the day row, halves to the even number; a
    // name longer than the row is not indented.
    const auto length = [](const QString &text) { return qsizetype(text.toUcs4().size()); };
    const double indent = std::nearbyint(double(length(dayRow) - length(in.sectionName)) / 2);
    const QStringList lines = {
        QString(qsizetype(std::max(indent, 0.0)), u' ') + in.sectionName + QStringLiteral("有限长路段")
            + SignedNumberText(year) + QStringLiteral("年预测结果"),
        QStringLiteral("  预测点距公路位置：") + distanceRow,
        QStringLiteral("  预测点昼间预测值：") + dayRow,
        QStringLiteral("  预测点夜间预测值：") + nightRow,
    };
    return lines.join(u'\n');
}

} // namespace corvalen
