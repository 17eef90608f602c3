#pragma once

// 弗罗模式_河37: Frolov-Rodziller mixing below a bank outfall, without decay
// (river model 3, K1 = 0) or with first-order decay (river model 7).

#include "common/numbers/progress_state.h"
#include "water/distance_profile.h"

#include <QString>

namespace corvalen {

// The boxes as typed. Flows in m³/s, concentrations in mg/L, V in m/s, K1
// per day, H and R in m, ε and n without unit, distances in m.
struct FrolovInputs
{
    QString qp;       // Text1, wastewater flow
    QString cp;       // Text2, wastewater concentration
    QString ch;       // Text3, background concentration
    QString v;        // Text4, river velocity
    QString k1;       // Text6, decay rate
    QString h;        // Text7, depth
    QString epsilon;  // Text10, outfall coefficient
    QString r;        // Text11, hydraulic radius
    QString n;        // Text12, roughness of the bed
    QString qh;       // Text13, river flow
    ProfileRange range;  // Text5 Rmin, Text9 Rmax, Text8 Rl
};

QString frolovReport(const FrolovInputs &in, ProgressState &bar);

} // namespace corvalen
