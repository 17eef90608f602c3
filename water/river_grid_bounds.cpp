#include "water/river_grid_bounds.h"

#include "common/handoff_file.h"
#include "common/number_text.h"
#include "common/steps.h"

namespace corvalen {

RiverGrid riverGridAxes(const RiverGridBounds &bounds)
{
    RiverGrid grid;
    // A step not above 0 gives no grid worth a file: 0 never ends, and a
    // negative one from x = 10 and y = 0 leaves rows without columns or no
    // rows at all.
    if (!bounds.xEnd || !bounds.xStep || !bounds.yEnd || !bounds.yStep
        || !(*bounds.xStep > 0) || !(*bounds.yStep > 0)) {
        grid.outcome = RiverGridOutcome::BadBounds;
        return grid;
    }
    const auto xs = CountedLoop(kRiverGridFirstX, *bounds.xEnd, *bounds.xStep, kMaxRiverGridPoints);
    const auto ys = CountedLoop(0, *bounds.yEnd, *bounds.yStep, kMaxRiverGridPoints);
    if (!xs || !ys || xs->size() * ys->size() > kMaxRiverGridPoints) {
        grid.outcome = RiverGridOutcome::TooManyPoints;
        return grid;
    }
    grid.xValues = *xs;
    grid.yValues = *ys;
    return grid;
}

QString riverGridText(const RiverGrid &grid, QStringView pattern)
{
    GridHandOffFile file{grid.xValues, grid.yValues, {}};
    file.valueTexts.reserve(grid.values.size());
    for (double value : grid.values)
        file.valueTexts.append(ApplyDisplayPattern(value, pattern));
    return file.text();
}

float singleOrZero(QStringView text)
{
    return ToSingle(text).value_or(0.0f);
}

} // namespace corvalen
