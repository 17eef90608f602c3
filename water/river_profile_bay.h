#pragma once

// 约_新模式1: the Joseph-Sendner bay model, the concentration of a
// persistent pollutant at radial distances r from the outfall.

#include "common/numbers/progress_state.h"
#include "water/distance_profile.h"

#include <QString>

namespace corvalen {

// The boxes as typed. Qp in m³/s, concentrations in mg/L, Mv in m/s, the
// discharge angle in radians, d in m, distances in m.
struct BayInputs
{
    QString qp;     // Text1, wastewater flow
    QString cp;     // Text2, wastewater concentration
    QString mv;     // Text3, mixing velocity
    QString angle;  // Text4, discharge angle φ
    QString ch;     // Text6, background concentration of the sea
    QString depth;  // Text7, mixing depth d
    ProfileRange range;  // Text5 Rmin, Text9 Rmax, Text8 Rl
};

QString bayReport(const BayInputs &in, ProgressState &bar);

} // namespace corvalen
