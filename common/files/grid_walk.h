#pragma once

// The walk of the grid models (the puff model and the four grid river
// models): the axes read from the range and step boxes and bounded, the two
// refusals, each cell's value text, the hand-off text, and the progress bar
// as it stands after the rows. The models differ only in their rules and
// their cells.

#include "common/files/handoff_file.h"
#include "common/numbers/progress_state.h"

#include <QString>
#include <QStringView>
#include <QVector>
#include <optional>

namespace corvalen {

// Most points a grid may have (rows times columns; rows alone when a grid
// has no columns): a run of the largest grid stays well under a second and
// its result window stays usable.
inline constexpr qsizetype kMaxGridPoints = 100000;

// The four grid boxes as typed: ranges and steps, m.
struct GridBoxes
{
    QString xEnd;
    QString xStep;
    QString yEnd;
    QString yStep;
};

// How a model reads its grid boxes.
enum class GridNumbers {
    AsTyped,      // the box's number
    WholeMetres,  // the whole number not above it (9.9 gives 9, 0.5 gives 0)
};

struct GridRules
{
    double firstX = 0;  // the first row's x, m (y always starts at 0)
    GridNumbers numbers = GridNumbers::AsTyped;
    bool barFullAtEnd = false;  // the bar set to the x range once more after the last row
    QStringView badBoundsMessage;  // a box that is no number, or a step not above 0
};

enum class GridOutcome {
    Done,
    BadBounds,      // a box that is no number, or a step not above 0
    TooManyPoints,  // beyond kMaxGridPoints
};

struct GridAxes
{
    GridOutcome outcome = GridOutcome::Done;
    QVector<double> xValues;  // counted from the rules' first x
    QVector<double> yValues;  // counted from 0
    double xEnd = 0;          // the x range as the rules read it (the bar's maximum)
};

// What a grid press gives its window: the refusal's message, or the
// hand-off text (without the CR LF the write adds).
struct GridResult
{
    GridAxes axes;
    QString message;
    QString text;

    bool done() const { return axes.outcome == GridOutcome::Done; }
};

// A grid box's number under the rules; nothing for a text that is no number.
std::optional<double> gridNumber(const QString &text, const GridRules &rules);

// The axes, or the outcome that refuses them.
GridAxes gridAxes(const GridBoxes &boxes, const GridRules &rules);

// Every cell's value text, row by row (x outer, y inner), by
// `cellText(x, y)`; a refused grid carries its message and no cell is
// computed.
template <class CellText>
GridResult walkGrid(const GridBoxes &boxes, const GridRules &rules, CellText cellText);

// The refusal's message of an outcome.
QString gridMessage(GridOutcome outcome, const GridRules &rules);

// The bar as the rows of a computed grid leave it: after each row 0 to the
// x range, shown, at the row's x; full at the end where the rules say so.
// Settings the bar refuses are skipped.
void replayGridProgress(ProgressState &bar, const GridResult &grid, const GridRules &rules);

// The bar emptied by a change of a grid input: 0 to `maximum` (kept when
// there is none), shown, at 0.
void resetGridProgress(ProgressState &bar, std::optional<double> maximum);

template <class CellText>
GridResult walkGrid(const GridBoxes &boxes, const GridRules &rules, CellText cellText)
{
    GridResult result;
    result.axes = gridAxes(boxes, rules);
    if (!result.done()) {
        result.message = gridMessage(result.axes.outcome, rules);
        return result;
    }
    GridHandOffFile file{result.axes.xValues, result.axes.yValues, {}};
    file.valueTexts.reserve(file.xValues.size() * file.yValues.size());
    for (double x : file.xValues) {
        for (double y : file.yValues)
            file.valueTexts.append(cellText(x, y));
    }
    result.text = file.text();
    return result;
}

} // namespace corvalen
