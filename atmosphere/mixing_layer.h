#pragma once

// Mixing-layer height by the atmospheric assessment guideline's method: from
// the wind speed 10 m above ground, the stability class, the latitude and the
// province, which picks one of four province groups of the coefficient table.
// Classes A to D: h = a × U10 / f; E and F: h = b × √(U10 / f), with the
// Coriolis parameter f = 2Ω sin φ.

#include <QString>
#include <QStringList>
#include <optional>

namespace corvalen {

// The class list, in the window's order.
QStringList mixingLayerClasses();
// The 33 provinces, group after group, in the window's order.
QStringList mixingLayerProvinces();

// The coefficient of a class and a province text, compared exactly; none for
// a text outside the lists.
std::optional<double> mixingLayerCoefficient(const QString &stabilityClass, const QString &province);

// The texts of the boxes as typed or chosen.
struct MixingLayerInputs
{
    QString windSpeed;  // U10 (m/s)
    QString stabilityClass;
    QString degrees;    // latitude, read by their leading numbers
    QString minutes;
    QString province;
};

struct MixingLayerResult
{
    double latitude = 0;                // degrees
    double coriolis = 0;                // f (1/s)
    std::optional<double> coefficient;  // none for an unknown class or province
    std::optional<double> height;       // m; none when its step fails
    QString report;                     // seven lines
};

MixingLayerResult computeMixingLayer(const MixingLayerInputs &in);

} // namespace corvalen
