// The river grids' axes: counted loops from x = 10 and y = 0 over the boxes'
// numbers as typed, refused bounds, and the point bound.
#include "water/river_grid_bounds.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(RiverGridBounds, AxesAndRefusals)
{
    const struct {
        const char *name;
        GridBoxes boxes;  // XL, Xc, YL, Yc
        GridOutcome outcome;
        int rows, columns;
    } cases[] = {
        {"design time", {"3000", "100", "100", "10"}, GridOutcome::Done, 30, 11},
        // A step not above 0 is refused on either axis, whichever way the end lies.
        {"negative x step away from the end", {"3000", "-100", "100", "10"}, GridOutcome::BadBounds, 0, 0},
        {"negative x step towards the end", {"-90", "-100", "100", "10"}, GridOutcome::BadBounds, 0, 0},
        {"negative y step", {"3000", "100", "100", "-10"}, GridOutcome::BadBounds, 0, 0},
        {"negative y step towards the end", {"3000", "100", "-100", "-10"}, GridOutcome::BadBounds, 0, 0},
        {"y range below 0", {"3000", "100", "-1", "10"}, GridOutcome::Done, 30, 0},
        {"y step 0 with no columns", {"3000", "100", "-1", "0"}, GridOutcome::BadBounds, 0, 0},
        {"XL no number", {"3000m", "100", "100", "10"}, GridOutcome::BadBounds, 0, 0},
        {"largest grid", {"1009", "1", "99", "1"}, GridOutcome::Done, 1000, 100},
        {"one row too many", {"1010", "1", "99", "1"}, GridOutcome::TooManyPoints, 0, 0},
        {"rows without columns, bounded", {"1e9", "1", "-1", "1"}, GridOutcome::TooManyPoints, 0, 0},
        // A step too small to move the running value would repeat it forever.
        {"step lost in the sum", {"20", "1e-20", "0", "1"}, GridOutcome::TooManyPoints, 0, 0},
    };
    for (const auto &c : cases) {
        const GridAxes axes = gridAxes(c.boxes, kRiverGridRules);
        EXPECT_EQ(axes.outcome, c.outcome) << c.name;
        EXPECT_EQ(axes.xValues.size(), c.rows) << c.name;
        EXPECT_EQ(axes.yValues.size(), c.columns) << c.name;
    }
    EXPECT_EQ(gridAxes({"260.5", "250.5", "0", "1"}, kRiverGridRules).xValues, (QVector<double>{10, 260.5}));
}

// The two refusals' messages, as the windows show them.
TEST(RiverGridBounds, Messages)
{
    EXPECT_EQ(gridMessage(GridOutcome::BadBounds, kRiverGridRules),
              QStringLiteral("流线、横向的范围和网格须为数值，且网格不能为0，网格计算未进行！"));
    EXPECT_EQ(gridMessage(GridOutcome::TooManyPoints, kRiverGridRules),
              QStringLiteral("网格点数超过100000个，网格计算未进行，请加大网格或缩小范围！"));
}

} // namespace
