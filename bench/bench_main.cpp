#include "common/forms/message_box.h"
#include "common/forms/tool_registry.h"
#include "shell/all_windows.h"
#include "shell/application_setup.h"
#include "shell/qt_translations.h"
#include "bench_display.h"
#include "window_opening.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <optional>

void registerLiveKeystrokeBenchmarks();
void registerStartBenchmark(const QString &platform);

namespace {

// The offscreen platform cannot raise windows or pass size hints on and says
// so at every opening, and Qt notes once that it chose a runtime directory;
// those lines would bury the results.
QtMessageHandler standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    standardHandler(type, context, message);
}

} // namespace

// Benchmarks run on the screen BenchDisplay chooses (a private X server
// when there is one), with message boxes dropped, so nothing waits for a
// user. `corvalen_bench --open <window> [--cold]` is the child process of
// the opening benchmarks; it runs on the screen its parent chose.
int main(int argc, char **argv)
{
    standardHandler = qInstallMessageHandler(quietHandler);
    const bool child = argc >= 3 && std::strcmp(argv[1], "--open") == 0;
    // Goes after the application (declared before it).
    std::optional<corvalen::bench::BenchDisplay> display;
    if (!child) {
        display.emplace();
        std::fprintf(stderr, "Platform: %s\n", qPrintable(display->description()));
        ::benchmark::AddCustomContext("platform", display->description().toStdString());
    }
    corvalen::beforeApplication();
    QApplication app(argc, argv);
    corvalen::afterApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    corvalen::installQtTranslations();
    corvalen::setMessageSink([](const QString &) {});
    corvalen::registerAllWindows(corvalen::ToolRegistry::global());
    if (child)
        return corvalen::bench::runOpeningChild(QString::fromUtf8(argv[2]),
                                                argc >= 4 && std::strcmp(argv[3], "--cold") == 0);
    registerStartBenchmark(display->platform());
    corvalen::bench::registerOpeningBenchmarks(argv[0], display->platform());
    registerLiveKeystrokeBenchmarks();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
