#pragma once

// The series of distances of the river and bay profile windows: one report
// line per distance x (x, then four blanks before each reported value), the
// lines joined by a carriage return, the progress bar set at every line.

#include "common/numbers/progress_state.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace corvalen {

// The three distance boxes, as typed. They become doubles when the series
// starts; a text that is no number gives a series without distances.
struct ProfileRange
{
    QString rmin;  // start of the series, m
    QString rmax;  // end of the series, m
    QString step;  // Rl, m; 0 or a wrong sign never reaches the end
};

// Most distance lines one series makes: a step of 0 would never end, and a
// report of this size is still shown at once.
inline constexpr int kMaxProfileLines = 100000;

// The values reported at x, already as text, in their order. The model keeps
// its own step values between calls, so that a step failing at x keeps the
// value it had at the previous distance.
using ProfileValues = std::function<void(double x, QStringList &values)>;

struct DistanceProfile
{
    QString report;      // heading lines and distance lines, each ended by CR
    int lines = 0;       // distance lines
    bool bounded = false;  // the series stopped at kMaxProfileLines
};

// Runs the series x = rmin, rmin + step, ... (accumulated by addition) while
// x has not passed rmax, at most kMaxProfileLines times, setting the bar at
// each line and to rmax at the end. Settings the bar cannot take are skipped.
DistanceProfile runDistanceProfile(const QStringList &headings, const ProfileRange &range,
                                   const ProfileValues &valuesAt, ProgressState &bar);

// The bar as a river model window sets it when it clears it: 0 to 100,
// shown, at 0.
void resetProfileProgress(ProgressState &bar);

// A model input box: its single, or 0 when the text is no number.
float profileInput(const QString &text);

} // namespace corvalen
