#include "common/forms/message_box.h"
#include "common/forms/tool_registry.h"
#include "shell/all_windows.h"
#include "shell/application_setup.h"
#include "shell/qt_translations.h"
#include "window_opening.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>

void registerLiveKeystrokeBenchmarks();

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

// Benchmarks run on the offscreen platform with message boxes dropped, so
// nothing waits for a user. `corvalen_bench --open <window> [--cold]` is the
// child process of the opening benchmarks.
int main(int argc, char **argv)
{
    standardHandler = qInstallMessageHandler(quietHandler);
    // The opening benchmark's children come with a screen of their own.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    corvalen::beforeApplication();
    QApplication app(argc, argv);
    corvalen::afterApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    corvalen::installQtTranslations();
    corvalen::setMessageSink([](const QString &) {});
    corvalen::registerAllWindows(corvalen::ToolRegistry::global());
    if (argc >= 3 && std::strcmp(argv[1], "--open") == 0)
        return corvalen::bench::runOpeningChild(QString::fromUtf8(argv[2]),
                                                argc >= 4 && std::strcmp(argv[3], "--cold") == 0);
    corvalen::bench::registerOpeningBenchmarks(argv[0]);
    registerLiveKeystrokeBenchmarks();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
