// The warm-up after start builds and paints every window once out of sight:
// it must leave nothing behind that a user could see or that a window's
// first opening could find changed.
#include "shell/main_window.h"
#include "shell/window_warm_up.h"
#include "shell_test.h"

namespace {

// Top-level widgets of their own (menus and other popups have a parent).
qsizetype ownTopLevels()
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    return std::count_if(tops.begin(), tops.end(), [](QWidget *w) { return !w->parentWidget(); });
}

TEST(WindowWarmUp, TouchesEveryWindowButShowsAndKeepsNothing)
{
    auto &registry = corvalen::ToolRegistry::global();
    registry.resetInstances();
    MessageRecorder messages;
    const qsizetype windowsBefore = ownTopLevels();
    bool done = false;
    {
        corvalen::MainWindow main;
        corvalen::warmUpToolWindowsWhenIdle(&main, [&done] { done = true; });
        main.show();
        EXPECT_TRUE(QTest::qWaitFor([&done] { return done; }, 60000));
        // Only the main window appeared; no window was opened or kept.
        EXPECT_EQ(ownTopLevels(), windowsBefore + 1);
        for (const QString &name : registry.names())
            EXPECT_EQ(registry.existingInstance(name), nullptr) << name.toStdString();
    }
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join(u'|').toStdString();

    // A window opened after the warm-up is the one of its design.
    const QString table = QStringLiteral("各种油漆有机溶剂挥发量表");
    QWidget *w = openToolWindow(table)->widget();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->findChild<QWidget *>(QStringLiteral("Picture2"))->size(),
              w->findChild<QWidget *>(QStringLiteral("Picture3"))->size());
    registry.resetInstances();
}

} // namespace
