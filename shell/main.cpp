#include "common/message_box.h"
#include "common/tool_registry.h"
#include "shell/all_windows.h"
#include "shell/main_window.h"
#include "shell/program_icon.h"
#include "shell/qt_translations.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdlib>

namespace {

// The program can end while tool windows are open: by the event loop's end
// (the main window's quit) or by exit() (the desktop's display going away).
// The windows are closed and dropped while the application still exists;
// on exit() they are only let go of, so that no widget is touched during
// the process's own tear-down.
void letGoOfToolWindows()
{
    corvalen::ToolRegistry::global().abandonWindows();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalen"));
    // The grey spanner for the main window, every tool window and the icon
    // in the notification area.
    QApplication::setWindowIcon(corvalen::programIcon());
    corvalen::installQtTranslations();

    corvalen::SingleInstance single;
    if (!single.acquire()) {
        corvalen::showMessage(QStringLiteral("程序已经运行,不能再次装载，请注意托盘区图标！"));
        return 0;
    }

    corvalen::registerAllWindows(corvalen::ToolRegistry::global());
    std::atexit(letGoOfToolWindows);
    corvalen::MainWindow window;
    // For the start-up benchmark and the process tests: open a tool window
    // (CORVALEN_OPEN_WHEN_SHOWN) and leave as soon as the main window is
    // shown, through the event loop, or through exit() as the loss of the
    // display does (CORVALEN_EXIT_WHEN_SHOWN=exit).
    if (qEnvironmentVariableIsSet("CORVALEN_EXIT_WHEN_SHOWN")) {
        QObject::connect(&window, &corvalen::MainWindow::shown, &app, [] {
            const QString open = qEnvironmentVariable("CORVALEN_OPEN_WHEN_SHOWN");
            if (!open.isEmpty())
                corvalen::ShowToolWindow(open);
            if (qEnvironmentVariable("CORVALEN_EXIT_WHEN_SHOWN") == QLatin1String("exit"))
                QTimer::singleShot(0, qApp, [] { std::exit(1); });
            else
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }
    window.show();
    const int code = app.exec();
    corvalen::ToolRegistry::global().resetInstances();
    return code;
}
