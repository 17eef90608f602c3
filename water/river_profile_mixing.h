#pragma once

// 完全混合模式_河15: complete mixing (river model 1) and the S-P oxygen-sag
// profile (river model 5), sharing one set of inputs.

#include "common/numbers/progress_state.h"
#include "water/distance_profile.h"

#include <QString>

namespace corvalen {

// The boxes as typed. Flows in m³/s, concentrations and deficits in mg/L,
// u in m/s, K1 and K2 per day, distances in m.
struct MixingInputs
{
    QString qh;  // Text3, river flow
    QString ch;  // Text4, river concentration above the outfall
    QString qp;  // Text12, wastewater flow
    QString cp;  // Text2, wastewater concentration
    QString u;   // Text7, river velocity
    QString dp;  // Text6, oxygen deficit of the wastewater
    QString dh;  // Text10, oxygen deficit of the river
    QString k1;  // Text11, deoxygenation rate
    QString k2;  // Text13, reaeration rate
    ProfileRange range;  // Text5 Rmin, Text9 Rmax, Text8 Rl
    // The model in force follows the velocity box's enabled state, not the
    // check box: complete mixing exactly when Text7 is disabled.
    bool velocityEnabled = true;
};

// One press of 刷新结果: the whole report, CR-joined, with the bar moved as
// the model moves it.
QString mixingReport(const MixingInputs &in, ProgressState &bar);

// The complete-mixing concentration (Cp·Qp + Ch·Qh) / (Qp + Qh) in single
// precision; 0 when the total flow is 0.
float mixedConcentration(float cp, float qp, float ch, float qh);

} // namespace corvalen
