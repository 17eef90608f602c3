#include "common/forms/message_box.h"
#include "common/forms/tool_registry.h"
#include "shell/all_windows.h"
#include "shell/application_setup.h"
#include "shell/data_files.h"
#include "shell/main_window.h"
#include "shell/program_icon.h"
#include "shell/qt_translations.h"
#include "shell/single_instance.h"
#include "shell/window_warm_up.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

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
    corvalen::beforeApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalen"));
    corvalen::afterApplication();
    // The grey spanner for the main window, every tool window and the icon
    // in the notification area; Qt's own texts in Chinese. Both wait for
    // the main window's first paint, except for the message of a second
    // copy, which shows no window of its own.
    const auto dressApplication = [] {
        QApplication::setWindowIcon(corvalen::programIcon());
        corvalen::installQtTranslations();
    };

    // Before any window: a second copy says so and shows none.
    corvalen::SingleInstance single;
    if (!single.acquire()) {
        dressApplication();
        corvalen::showMessage(QStringLiteral("程序已经运行,不能再次装载，请注意托盘区图标！"));
        return 0;
    }

    // The registry is made before the exit handler is registered, so that
    // it still exists when the handler runs (the windows are registered
    // only later).
    corvalen::ToolRegistry::global();
    std::atexit(letGoOfToolWindows);
    corvalen::MainWindow window;
    // What the first sight of the main window does not need waits for its
    // first paint: the menus under the titles, the icon, Qt's texts and the
    // icon in the notification area; the tool windows are registered (their menu items are enabled a
    // few milliseconds later, before anyone can open a menu), and their
    // fonts are loaded while the user reads the menu.
    bool registered = false;
    auto registerWindows = [&window, &registered, &dressApplication] {
        if (std::exchange(registered, true))
            return;
        window.completeMenus();
        dressApplication();
        window.installTrayIcon();
        corvalen::registerAllWindows(corvalen::ToolRegistry::global());
        window.enableRegisteredItems();
    };
    // For the start-up benchmark and the process tests: write the moment the
    // main window is shown (the monotonic clock, in ns), open a tool window
    // (CORVALEN_OPEN_WHEN_SHOWN) and leave, through the event loop, or
    // through exit() as the loss of the display does
    // (CORVALEN_EXIT_WHEN_SHOWN=exit).
    if (qEnvironmentVariableIsSet("CORVALEN_EXIT_WHEN_SHOWN")) {
        QObject::connect(&window, &corvalen::MainWindow::shown, &app, [&registerWindows] {
            std::printf("%lld\n", static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
            std::fflush(stdout);
            const QString open = qEnvironmentVariable("CORVALEN_OPEN_WHEN_SHOWN");
            if (!open.isEmpty()) {
                registerWindows();
                corvalen::ShowToolWindow(open);
            }
            if (qEnvironmentVariable("CORVALEN_EXIT_WHEN_SHOWN") == QLatin1String("exit"))
                QTimer::singleShot(0, qApp, [] { std::exit(1); });
            else
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }
    // The data files that the registration did not read (the files that
    // windows read only when they open) are read and checked then too, in a
    // turn of the event loop of its own, after the enabled menu items are
    // painted: a broken file stops the program at start, with the file, the
    // line and the reason.
    corvalen::afterFirstPaint(&window, [&window, &registerWindows] {
        registerWindows();
        QTimer::singleShot(0, &window, [&window] {
            corvalen::checkDataFiles();
            corvalen::warmUpToolWindows(&window);
        });
    });
    window.show();
    const int code = app.exec();
    corvalen::ToolRegistry::global().resetInstances();
    return code;
}
