#include "common/message_box.h"
#include "common/tool_registry.h"
#include "shell/all_windows.h"
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
    standardHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    standardHandler = qInstallMessageHandler(quietHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's standard texts in Chinese, as the program loads them at start.
    corvalen::installQtTranslations();
    // No test may block on a modal box: messages nobody records are dropped.
    corvalen::setMessageSink([](const QString &) {});
    corvalen::registerAllWindows(corvalen::ToolRegistry::global());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
