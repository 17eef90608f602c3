// The river grids' axes: counted loops from x = 10 and y = 0, refused
// bounds, and the point bound.
#include "water/river_grid_bounds.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(RiverGridBounds, AxesAndRefusals)
{
    const struct {
        const char *name;
        RiverGridBounds bounds;
        RiverGridOutcome outcome;
        int rows, columns;
    } cases[] = {
        {"design time", {3000, 100, 100, 10}, RiverGridOutcome::Done, 30, 11},
        // A step not above 0 is refused on either axis, whichever way the end lies.
        {"negative x step away from the end", {3000, -100, 100, 10}, RiverGridOutcome::BadBounds, 0, 0},
        {"negative x step towards the end", {-90, -100, 100, 10}, RiverGridOutcome::BadBounds, 0, 0},
        {"negative y step", {3000, 100, 100, -10}, RiverGridOutcome::BadBounds, 0, 0},
        {"negative y step towards the end", {3000, 100, -100, -10}, RiverGridOutcome::BadBounds, 0, 0},
        {"y range below 0", {3000, 100, -1, 10}, RiverGridOutcome::Done, 30, 0},
        {"y step 0 with no columns", {3000, 100, -1, 0}, RiverGridOutcome::BadBounds, 0, 0},
        {"largest grid", {1009, 1, 99, 1}, RiverGridOutcome::Done, 1000, 100},
        {"one row too many", {1010, 1, 99, 1}, RiverGridOutcome::TooManyPoints, 0, 0},
        {"rows without columns, bounded", {1e9, 1, -1, 1}, RiverGridOutcome::TooManyPoints, 0, 0},
        // A step too small to move the running value would repeat it forever.
        {"step lost in the sum", {20, 1e-20, 0, 1}, RiverGridOutcome::TooManyPoints, 0, 0},
    };
    for (const auto &c : cases) {
        const RiverGrid grid = riverGridAxes(c.bounds);
        EXPECT_EQ(grid.outcome, c.outcome) << c.name;
        EXPECT_EQ(grid.xValues.size(), c.rows) << c.name;
        EXPECT_EQ(grid.yValues.size(), c.columns) << c.name;
    }
}

} // namespace
