#include "common/message_box.h"
#include "common/tool_registry.h"
#include "shell/all_windows.h"
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

    corvalen::MainWindow window;
    // For the start-up benchmark: write the moment the main window is shown
    // (the monotonic clock, in ns) and leave.
    if (qEnvironmentVariableIsSet("CORVALEN_EXIT_WHEN_SHOWN")) {
        QObject::connect(&window, &corvalen::MainWindow::shown, &app, [] {
            std::printf("%lld\n", static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }
    // What the first sight of the main window does not need waits for its
    // first paint: the tool windows are registered (their menu items are
    // enabled a few milliseconds later, before anyone can open a menu), and
    // their fonts are loaded while the user reads the menu.
    corvalen::afterFirstPaint(&window, [&window] {
        corvalen::registerAllWindows(corvalen::ToolRegistry::global());
        window.enableRegisteredItems();
        corvalen::warmUpToolWindows(&window);
    });
    window.show();
    return app.exec();
}
