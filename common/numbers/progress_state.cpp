#include "common/numbers/progress_state.h"

#include "common/numbers/steps.h"

#include <algorithm>

namespace corvalen {

// A value that is no number in single precision is refused (FiniteSingle).
bool ProgressState::setMinimum(double v)
{
    const std::optional<float> single = FiniteSingle(v);
    if (!single || *single >= maximum)
        return false;
    minimum = *single;
    value = std::max(value, *single);
    return true;
}

bool ProgressState::setMaximum(double v)
{
    const std::optional<float> single = FiniteSingle(v);
    if (!single || *single <= minimum)
        return false;
    maximum = *single;
    value = std::min(value, *single);
    return true;
}

bool ProgressState::setValue(double v)
{
    const std::optional<float> single = FiniteSingle(v);
    if (!single || *single < minimum || *single > maximum)
        return false;
    value = *single;
    return true;
}

} // namespace corvalen
