#include "water/river_grid_bounds.h"

#include "common/numbers/number_text.h"

namespace corvalen {

float singleOrZero(QStringView text)
{
    return ToSingle(text).value_or(0.0f);
}

} // namespace corvalen
