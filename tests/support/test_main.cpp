#include "common/message_box.h"
#include "common/tool_registry.h"
#include "shell/all_windows.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // No test may block on a modal box: messages nobody records are dropped.
    corvalen::setMessageSink([](const QString &) {});
    corvalen::registerAllWindows(corvalen::ToolRegistry::global());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
