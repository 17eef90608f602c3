#pragma once

// Evaporation of a toxic or harmful substance stored open to the air, after
// the environmental protection calculation handbook:
//   G = F (5.38 + 4.1 u) · 10^(B − 0.05223 A / (t + 273)) · √M, g/h.
// A press runs six steps; each reads its boxes as doubles, works in double
// precision and stores its outcome in a single-precision window-level value.
// A step that fails (a box empty or only ".", t + 273 = 0, M below 0, an
// outcome beyond the single range) is skipped and its value keeps what the
// previous press, or an earlier step of this press, left in it.

#include <QString>

namespace corvalen {

struct OpenAirStorageInputs
{
    QString windSpeed;        // u, m/s
    QString area;             // F, exposed surface, m²
    QString molecularWeight;  // M
    QString temperature;      // t, °C
    QString constantA;        // A of the vapour-pressure relation
    QString constantB;        // B of the vapour-pressure relation
};

struct OpenAirStorage
{
    float exponent = 0;        // E, the exponent of 10 in P_H
    float vapourPressure = 0;  // PH, the saturated vapour pressure
    float windTerm = 0;        // W = 4.1 u + 5.38
    float amount = 0;          // G, g/h

    void press(const OpenAirStorageInputs &in);
};

} // namespace corvalen
