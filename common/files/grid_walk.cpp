#include "common/files/grid_walk.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {

std::optional<double> gridNumber(const QString &text, const GridRules &rules)
{
    const std::optional<double> number = ToDouble(text);
    if (number && rules.numbers == GridNumbers::WholeMetres)
        return std::floor(*number);
    return number;
}

GridAxes gridAxes(const GridBoxes &boxes, const GridRules &rules)
{
    GridAxes axes;
    const std::optional<double> xEnd = gridNumber(boxes.xEnd, rules);
    const std::optional<double> xStep = gridNumber(boxes.xStep, rules);
    const std::optional<double> yEnd = gridNumber(boxes.yEnd, rules);
    const std::optional<double> yStep = gridNumber(boxes.yStep, rules);
    // A step not above 0 gives no grid worth a file: 0 never ends, and a
    // negative one from the first x and from y = 0 leaves rows without
    // columns or no rows at all.
    if (!xEnd || !xStep || !yEnd || !yStep || !(*xStep > 0) || !(*yStep > 0)) {
        axes.outcome = GridOutcome::BadBounds;
        return axes;
    }
    const auto xs = CountedLoop(rules.firstX, *xEnd, *xStep, kMaxGridPoints);
    const auto ys = CountedLoop(0, *yEnd, *yStep, kMaxGridPoints);
    if (!xs || !ys || xs->size() * ys->size() > kMaxGridPoints) {
        axes.outcome = GridOutcome::TooManyPoints;
        return axes;
    }
    axes.xValues = *xs;
    axes.yValues = *ys;
    axes.xEnd = *xEnd;
    return axes;
}

QString gridMessage(GridOutcome outcome, const GridRules &rules)
{
    switch (outcome) {
    case GridOutcome::Done:
        break;
    case GridOutcome::BadBounds:
        return rules.badBoundsMessage.toString();
    case GridOutcome::TooManyPoints:
        return QStringLiteral("网格点数超过%1个，网格计算未进行，请加大网格或缩小范围！").arg(kMaxGridPoints);
    }
    return {};
}

void replayGridProgress(ProgressState &bar, const GridResult &grid, const GridRules &rules)
{
    if (!grid.done())
        return;
    for (double x : grid.axes.xValues) {
        bar.setMinimum(0);
        bar.setMaximum(grid.axes.xEnd);
        bar.visible = true;
        bar.setValue(x);
    }
    if (rules.barFullAtEnd)
        bar.setValue(grid.axes.xEnd);
}

void resetGridProgress(ProgressState &bar, std::optional<double> maximum)
{
    bar.setMinimum(0);
    if (maximum)
        bar.setMaximum(*maximum);
    bar.visible = true;
    bar.setValue(0);
}

} // namespace corvalen
