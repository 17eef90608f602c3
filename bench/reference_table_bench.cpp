#include "common/picture_reference_window.h"
#include "common/tool_registry.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// The table window with the most cells: the one whose opening costs most.
QString largestTable()
{
    auto &registry = corvalen::ToolRegistry::global();
    QString largest;
    int most = -1;
    for (const QString &name : registry.names()) {
        if (registry.info(name)->kind != corvalen::ToolKind::PictureReference)
            continue;
        auto *window = dynamic_cast<corvalen::PictureReferenceWindow *>(registry.instance(name));
        int cells = 0;
        for (const auto &page : window->table().pages)
            cells += (page.header.size() + page.body.size()) * page.columnCount();
        if (cells > most) {
            most = cells;
            largest = name;
        }
    }
    return largest;
}

// Opening (layout of every page, first display) and closing of the largest
// handbook table, offscreen. Goal: no more than 10 ms.
void BM_OpenCloseLargestTable(benchmark::State &state)
{
    const QString name = largestTable();
    state.SetLabel(name.toStdString());
    auto *window = corvalen::ToolRegistry::global().instance(name);
    for (auto _ : state) {
        window->show();
        QCoreApplication::processEvents();  // the first paint
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_OpenCloseLargestTable)->Unit(benchmark::kMillisecond);

// The first opening in a run: a fresh instance lays its pages out as well.
void BM_FirstOpenLargestTable(benchmark::State &state)
{
    const QString name = largestTable();
    const corvalen::ToolInfo *info = corvalen::ToolRegistry::global().info(name);
    for (auto _ : state) {
        std::unique_ptr<corvalen::ToolWindow> window = info->create();
        window->show();
        QCoreApplication::processEvents();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_FirstOpenLargestTable)->Unit(benchmark::kMillisecond);

} // namespace
