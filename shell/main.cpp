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
    corvalen::MainWindow window;
    // For the start-up benchmark: leave as soon as the main window is shown.
    if (qEnvironmentVariableIsSet("CORVALEN_EXIT_WHEN_SHOWN")) {
        QObject::connect(&window, &corvalen::MainWindow::shown, &app,
                         [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    }
    window.show();
    return app.exec();
}
