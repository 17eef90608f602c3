#include "common/progress_state.h"

#include <QProgressBar>
#include <algorithm>
#include <cmath>

namespace corvalen {
namespace {

// Steps of the widget's own range.
constexpr int kBarSteps = 1000;

bool toSingle(double v, float &out)
{
    if (!std::isfinite(v))
        return false;
    out = static_cast<float>(v);
    return std::isfinite(out);
}

} // namespace

bool ProgressState::setMinimum(double v)
{
    float single;
    if (!toSingle(v, single) || single >= maximum)
        return false;
    minimum = single;
    value = std::max(value, single);
    return true;
}

bool ProgressState::setMaximum(double v)
{
    float single;
    if (!toSingle(v, single) || single <= minimum)
        return false;
    maximum = single;
    value = std::min(value, single);
    return true;
}

bool ProgressState::setValue(double v)
{
    float single;
    if (!toSingle(v, single) || single < minimum || single > maximum)
        return false;
    value = single;
    return true;
}

void showProgress(QProgressBar *bar, const ProgressState &state)
{
    if (!bar)
        return;
    bar->setRange(0, kBarSteps);
    const double span = double(state.maximum) - double(state.minimum);
    const double share = span > 0 ? (double(state.value) - double(state.minimum)) / span : 0;
    bar->setValue(static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * kBarSteps)));
    bar->setVisible(state.visible);
}

} // namespace corvalen
