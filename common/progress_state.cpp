#include "common/progress_state.h"

#include "common/steps.h"

#include <algorithm>
#include <cmath>

namespace corvalen {
namespace {

bool toSingle(double v, float &out)
{
    if (!std::isfinite(v))
        return false;
    out = StoredSingle(v);
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

} // namespace corvalen
