#include "water/distance_profile.h"

#include "common/numbers/number_text.h"

namespace corvalen {
namespace {

const QChar kLineEnd = u'\r';
const QLatin1String kValueGap("    ");

void markProgress(ProgressState &bar, double rmax, double x)
{
    bar.setMinimum(0);
    bar.setMaximum(rmax);
    bar.visible = true;
    bar.setValue(x);
}

} // namespace

DistanceProfile runDistanceProfile(const QStringList &headings, const ProfileRange &range,
                                   const ProfileValues &valuesAt, ProgressState &bar)
{
    DistanceProfile profile;
    for (const QString &heading : headings) {
        profile.report += heading;
        profile.report += kLineEnd;
    }
    const std::optional<double> rmax = ToDouble(range.rmax);
    const std::optional<double> rmin = ToDouble(range.rmin);
    const std::optional<double> step = ToDouble(range.step);
    if (rmax && rmin && step) {
        // A step of 0 or more runs up to Rmax, a negative one down to it.
        const auto notPast = [end = *rmax, rising = *step >= 0](double x) { return rising ? x <= end : x >= end; };
        QStringList values;
        double x = *rmin;
        while (notPast(x) && profile.lines < kMaxProfileLines) {
            values.clear();
            valuesAt(x, values);
            profile.report += DoubleText(x);
            for (const QString &value : values) {
                profile.report += kValueGap;
                profile.report += value;
            }
            profile.report += kLineEnd;
            ++profile.lines;
            markProgress(bar, *rmax, x);
            x = x + *step;
        }
        profile.bounded = notPast(x);
    }
    if (rmax)
        bar.setValue(*rmax);
    return profile;
}

void resetProfileProgress(ProgressState &bar)
{
    bar.setMinimum(0);
    bar.setMaximum(100);
    bar.visible = true;
    bar.setValue(0);
}

float profileInput(const QString &text)
{
    return ToSingle(text).value_or(0.0f);
}

} // namespace corvalen
