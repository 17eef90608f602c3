#include "common/forms/message_box.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "shell/all_windows.h"
#include "shell/application_setup.h"
#include "shell/qt_translations.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot raise windows and says so at every
// ShowToolWindow; that line carries nothing for a test run.
QtMessageHandler standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    // A window opened by a name nobody registered is a fault of the caller.
    if (message.startsWith(QLatin1String("ShowToolWindow:"))) {
        if (expectedUnknownWindows() > 0)
            --expectedUnknownWindows();
        else
            ADD_FAILURE() << message.toStdString();
        return;
    }
    standardHandler(type, context, message);
}

} // namespace

int &expectedUnknownWindows()
{
    static int count = 0;
    return count;
}

int main(int argc, char **argv)
{
    standardHandler = qInstallMessageHandler(quietHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Set up around the application as the program is: its event loop and
    // its style.
    corvalen::beforeApplication();
    QApplication app(argc, argv);
    corvalen::afterApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's standard texts in Chinese, as the program loads them at start.
    corvalen::installQtTranslations();
    // No test may block on a modal box: messages nobody records are dropped.
    corvalen::setMessageSink([](const QString &) {});
    corvalen::registerAllWindows(corvalen::ToolRegistry::global());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
