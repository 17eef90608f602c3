// The grid walk the grid models share: the boxes read under each rule, the
// refusals and their messages, the cells in row order, the bar after the
// rows.
#include "common/files/grid_walk.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

constexpr GridRules kTyped{.firstX = 10, .numbers = GridNumbers::AsTyped, .barFullAtEnd = true,
                           .badBoundsMessage = u"bad"};
constexpr GridRules kWhole{.firstX = 0, .numbers = GridNumbers::WholeMetres, .barFullAtEnd = false,
                           .badBoundsMessage = u"bad whole"};

TEST(GridWalk, AxesUnderEachRule)
{
    const struct {
        const char *name;
        GridBoxes boxes;
        const GridRules &rules;
        GridOutcome outcome;
        QVector<double> xs, ys;
    } cases[] = {
        {"fractional steps as typed", {"30", "7.5", "1", "0.5"}, kTyped, GridOutcome::Done, {10, 17.5, 25}, {0, 0.5, 1}},
        {"whole metres", {"1000.9", "499.9", "1.5", "1.5"}, kWhole, GridOutcome::Done, {0, 499, 998}, {0, 1}},
        {"a step below 1 is 0 in whole metres", {"10", "0.5", "1", "1"}, kWhole, GridOutcome::BadBounds, {}, {}},
        {"negative range in whole metres", {"-0.5", "1", "0", "1"}, kWhole, GridOutcome::Done, {}, {0}},
        {"range before the first x", {"9", "1", "1", "1"}, kTyped, GridOutcome::Done, {}, {0, 1}},
        {"no y range", {"10", "1", "", "1"}, kTyped, GridOutcome::BadBounds, {}, {}},
        {"y step negative", {"10", "1", "-5", "-1"}, kTyped, GridOutcome::BadBounds, {}, {}},
        {"one point too many", {"10", "1", "100000", "1"}, kTyped, GridOutcome::TooManyPoints, {}, {}},
    };
    for (const auto &c : cases) {
        const GridAxes axes = gridAxes(c.boxes, c.rules);
        EXPECT_EQ(axes.outcome, c.outcome) << c.name;
        EXPECT_EQ(axes.xValues, c.xs) << c.name;
        EXPECT_EQ(axes.yValues, c.ys) << c.name;
    }
    EXPECT_EQ(gridAxes({"1000.9", "499.9", "1", "1"}, kWhole).xEnd, 1000);
}

TEST(GridWalk, CellsRowByRowOrTheMessage)
{
    QStringList visited;
    const GridResult grid = walkGrid({"20", "10", "1", "1"}, kTyped, [&visited](double x, double y) {
        visited << QStringLiteral("%1/%2").arg(x).arg(y);
        return visited.last();
    });
    EXPECT_EQ(visited, (QStringList{"10/0", "10/1", "20/0", "20/1"}));
    EXPECT_EQ(grid.text, QStringLiteral("X=\\c/Y=;y=0;y=1;\rx=10;10/0;10/1;\rx=20;20/0;20/1;\r"));
    EXPECT_TRUE(grid.message.isEmpty());

    int cells = 0;
    const auto count = [&cells](double, double) {
        ++cells;
        return QString();
    };
    const struct { const char *name; GridBoxes boxes; const GridRules &rules; const char *message; } refused[] = {
        {"bad bounds", {"20", "0", "1", "1"}, kTyped, "bad"},
        {"bad bounds, whole metres", {"20", "x", "1", "1"}, kWhole, "bad whole"},
        {"too many points", {"1e9", "1", "1", "1"}, kWhole, "网格点数超过100000个，网格计算未进行，请加大网格或缩小范围！"},
    };
    for (const auto &c : refused) {
        const GridResult result = walkGrid(c.boxes, c.rules, count);
        EXPECT_FALSE(result.done()) << c.name;
        EXPECT_EQ(result.message.toStdString(), c.message) << c.name;
        EXPECT_TRUE(result.text.isEmpty()) << c.name;
    }
    EXPECT_EQ(cells, 0) << "no cell of a refused grid";
}

TEST(GridWalk, BarAfterTheRows)
{
    const auto cell = [](double, double) { return QString(); };
    const struct { const char *name; GridBoxes boxes; const GridRules &rules; float maximum, value; bool visible; } cases[] = {
        {"full at the end", {"35", "10", "0", "1"}, kTyped, 35, 35, true},
        {"left at the last row", {"35", "10", "0", "1"}, kWhole, 35, 30, true},
        // A range of 0 is no maximum the bar takes: it keeps 0 to 100.
        {"range 0", {"0", "10", "0", "1"}, kWhole, 100, 0, true},
        // No row sets the range; the end still sets the value where it can.
        {"no rows", {"5", "10", "0", "1"}, kTyped, 100, 5, false},
    };
    for (const auto &c : cases) {
        ProgressState bar;
        replayGridProgress(bar, walkGrid(c.boxes, c.rules, cell), c.rules);
        EXPECT_EQ(bar.maximum, c.maximum) << c.name;
        EXPECT_EQ(bar.value, c.value) << c.name;
        EXPECT_EQ(bar.visible, c.visible) << c.name;
    }
    ProgressState bar;
    replayGridProgress(bar, walkGrid({"35", "0", "0", "1"}, kTyped, cell), kTyped);
    EXPECT_FALSE(bar.visible) << "a refused grid leaves the bar";

    bar.value = 30;
    resetGridProgress(bar, 50);
    EXPECT_EQ(bar.maximum, 50);
    EXPECT_EQ(bar.value, 0);
    EXPECT_TRUE(bar.visible);
    resetGridProgress(bar, std::nullopt);
    EXPECT_EQ(bar.maximum, 50) << "no number keeps the maximum";
}

} // namespace
