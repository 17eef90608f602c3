#pragma once

// The window side of the grid models: reading the four grid boxes, and
// handing a grid press's outcome to the user (the refusal's one message, or
// the bar as the rows leave it and the grid in its result window).

#include "common/files/grid_walk.h"

namespace corvalen {
class Form;
struct HandOffTarget;

// The four grid boxes by control name.
struct GridBoxNames
{
    const char *xEnd;
    const char *xStep;
    const char *yEnd;
    const char *yStep;
};

GridBoxes readGridBoxes(const Form &f, const GridBoxNames &names);

// A refused grid shows its message and leaves the bar alone. For a computed
// one (every row already walked) the bar's state is set as the rows leave it
// and shown in ProgressBar1 once; then the hand-off file is written and the
// result window shown (a file that cannot be written says so instead).
void handOverGrid(Form &f, ProgressState &bar, const GridResult &grid, const GridRules &rules,
                  const HandOffTarget &target);

// Shows the bar's state in ProgressBar1.
void showGridBar(Form &f, const ProgressState &bar);

} // namespace corvalen
