#pragma once

// 托马斯模式_河9: the Thomas model, oxygen deficit and BOD along the river
// with decay (K1), settling (K3) and reaeration (K2).

#include "common/numbers/progress_state.h"
#include "water/distance_profile.h"

#include <QString>

namespace corvalen {

// The boxes as typed. Flows in m³/s, concentrations and deficits in mg/L,
// u in m/s, rates per day, distances in m.
struct ThomasInputs
{
    QString qp;  // Text1, wastewater flow
    QString cp;  // Text2, wastewater concentration
    QString qh;  // Text3, river flow
    QString ch;  // Text4, river concentration above the outfall
    QString u;   // Text7, river velocity
    QString dp;  // Text6, oxygen deficit of the wastewater
    QString dh;  // Text10, oxygen deficit of the river
    QString k1;  // Text11, deoxygenation rate
    QString k2;  // Text13, reaeration rate
    QString k3;  // Text12, settling rate
    ProfileRange range;  // Text5 Rmin, Text9 Rmax, Text8 Rl
};

QString thomasReport(const ThomasInputs &in, ProgressState &bar);

} // namespace corvalen
