#include "common/views/grid_model_window.h"

#include "common/forms/form.h"
#include "common/forms/message_box.h"
#include "common/views/result_window.h"

#include <QProgressBar>

namespace corvalen {

GridBoxes readGridBoxes(const Form &f, const GridBoxNames &names)
{
    return {.xEnd = f.text(QLatin1String(names.xEnd)), .xStep = f.text(QLatin1String(names.xStep)),
            .yEnd = f.text(QLatin1String(names.yEnd)), .yStep = f.text(QLatin1String(names.yStep))};
}

void showGridBar(Form &f, const ProgressState &bar)
{
    showProgress(f.get<QProgressBar>(QStringLiteral("ProgressBar1")), bar);
}

void handOverGrid(Form &f, ProgressState &bar, const GridResult &grid, const GridRules &rules,
                  const HandOffTarget &target)
{
    if (!grid.done()) {
        showMessage(grid.message);
        return;
    }
    replayGridProgress(bar, grid, rules);
    showGridBar(f, bar);
    WriteHandOffFile(target, grid.text);
}

} // namespace corvalen
