#include "common/views/embedded_spreadsheet_window.h"
#include "common/views/sheet_view.h"
#include "common/forms/tool_registry.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

// The sheet window with the most cells.
QString largestSheet()
{
    auto &registry = corvalen::ToolRegistry::global();
    QString largest;
    int most = -1;
    for (const QString &name : registry.names()) {
        if (registry.info(name)->kind != corvalen::ToolKind::EmbeddedSpreadsheet)
            continue;
        auto *window = dynamic_cast<corvalen::EmbeddedSpreadsheetWindow *>(registry.instance(name));
        const int cells = window->file()->sheet.rowCount() * window->file()->sheet.columnCount();
        if (cells > most) {
            most = cells;
            largest = name;
        }
    }
    return largest;
}

// Opening (the stored sheet copied, the grid sized, first display) and
// closing of the largest sheet, offscreen. Goal: no more than 10 ms.
void BM_OpenCloseLargestSheet(benchmark::State &state)
{
    const QString name = largestSheet();
    state.SetLabel(name.toStdString());
    auto *window = corvalen::ToolRegistry::global().instance(name);
    for (auto _ : state) {
        window->show();
        QCoreApplication::processEvents();  // the first paint
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_OpenCloseLargestSheet)->Unit(benchmark::kMillisecond);

// One edit of a quantity in the active sheet: every formula evaluated again
// and the changed cells drawn again. Goal: no more than 1 ms.
void editQuantity(benchmark::State &state, bool wholeGrid)
{
    const QString name = largestSheet();
    state.SetLabel(name.toStdString());
    auto *window = dynamic_cast<corvalen::EmbeddedSpreadsheetWindow *>(corvalen::ToolRegistry::global().instance(name));
    window->show();
    window->activate();
    auto *view = window->widget()->findChild<corvalen::SheetView *>(QStringLiteral("OLE1"));
    QCoreApplication::processEvents();
    const QModelIndex quantity = view->model()->index(1, 2);
    const QString quantities[] = {QStringLiteral("20"), QStringLiteral("40")};
    int n = 0;
    for (auto _ : state) {
        view->model()->setData(quantity, quantities[++n % 2], Qt::EditRole);
        if (wholeGrid)
            view->viewport()->repaint();
        else
            QCoreApplication::processEvents();  // the paint of what changed
    }
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
void BM_SheetEditRecomputeAndRepaint(benchmark::State &state)
{
    editQuantity(state, false);
}
BENCHMARK(BM_SheetEditRecomputeAndRepaint)->Unit(benchmark::kMicrosecond);

// The same with the whole grid drawn again, for comparison.
void BM_SheetEditRecomputeAndRepaintWholeGrid(benchmark::State &state)
{
    editQuantity(state, true);
}
BENCHMARK(BM_SheetEditRecomputeAndRepaintWholeGrid)->Unit(benchmark::kMicrosecond);

} // namespace
