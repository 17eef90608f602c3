#include "common/message_box.h"
#include "common/tool_registry.h"
#include "shell/all_windows.h"

#include <QApplication>
#include <benchmark/benchmark.h>

void registerOpenCloseBenchmarks();
void registerLiveKeystrokeBenchmarks();

// Benchmarks run on the offscreen platform with message boxes dropped, so
// nothing waits for a user.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    corvalen::setMessageSink([](const QString &) {});
    corvalen::registerAllWindows(corvalen::ToolRegistry::global());
    registerOpenCloseBenchmarks();
    registerLiveKeystrokeBenchmarks();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
