// The warm-up after start builds and paints every window once out of sight:
// it must leave nothing behind that a user could see or that a window's
// first opening could find changed.
#include "shell/main_window.h"
#include "shell/shell_style.h"
#include "shell/window_warm_up.h"
#include "shell_test.h"

#include <algorithm>
#include <utility>

namespace {

// Top-level widgets of their own that a user sees (menus and other popups
// have a parent).
qsizetype visibleTopLevels()
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    return std::count_if(tops.begin(), tops.end(), [](QWidget *w) { return !w->parentWidget() && w->isVisible(); });
}

TEST(WindowWarmUp, TouchesEveryWindowButShowsAndKeepsNothing)
{
    auto &registry = corvalen::ToolRegistry::global();
    registry.resetInstances();
    MessageRecorder messages;
    const qsizetype windowsBefore = visibleTopLevels();
    bool done = false;
    {
        corvalen::MainWindow main;
        corvalen::afterFirstPaint(&main, [&main, &done] {
            corvalen::warmUpToolWindows(&main, [&done] { done = true; });
        });
        main.show();
        EXPECT_TRUE(QTest::qWaitFor([&done] { return done; }, 60000));
        // Only the main window appeared; no window was opened, and only the
        // windows that keep their built window (stored texts and documents)
        // have an instance, their window laid out and hidden.
        EXPECT_EQ(visibleTopLevels(), windowsBefore + 1);
        for (const QString &name : registry.names()) {
            const corvalen::ToolWindow *instance = registry.existingInstance(name);
            const bool keeps = registry.info(name)->create()->keepsBuiltWindow();
            EXPECT_EQ(instance != nullptr, keeps) << name.toStdString();
            if (instance) {
                EXPECT_FALSE(instance->isOpen()) << name.toStdString();
            }
        }
        // The kept windows are laid out at their size but hold no backing
        // store: on X11 a store is shared memory, held for as long as the
        // window lives.
        int kept = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() || !registry.contains(top->objectName()))
                continue;
            ++kept;
            EXPECT_EQ(top->backingStore(), nullptr) << top->objectName().toStdString();
            EXPECT_FALSE(top->testAttribute(Qt::WA_WState_Created)) << top->objectName().toStdString();
        }
        EXPECT_GT(kept, 0);
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

// The step after the first paint runs exactly once, also for a main window
// that starts minimised and may never be painted.
TEST(AfterFirstPaint, RunsOnceWhetherOrNotAPaintComes)
{
    const struct { const char *name; bool minimised; } cases[] = {
        {"shown normally", false},
        {"started minimised", true},
    };
    for (const auto &c : cases) {
        QWidget window;
        int runs = 0;
        corvalen::afterFirstPaint(&window, [&runs] { ++runs; });
        c.minimised ? window.showMinimized() : window.show();
        EXPECT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }, 5000)) << c.name;
        window.update();
        QTest::qWait(600);
        EXPECT_EQ(runs, 1) << c.name;
    }
}

// Windows registered after the main window was built get their items
// enabled (the program registers them after the first paint).
TEST(AfterFirstPaint, ItemsOfWindowsRegisteredLaterAreEnabled)
{
    corvalen::MainWindow main;
    main.completeMenus();
    QList<QAction *> registered;
    for (QAction *action : main.findChildren<QAction *>()) {
        if (action->isEnabled() && corvalen::ToolRegistry::global().contains(action->objectName()))
            registered.append(action);
    }
    ASSERT_FALSE(registered.isEmpty());
    for (QAction *action : registered)
        action->setEnabled(false);  // as built before the registration
    main.enableRegisteredItems();
    for (QAction *action : registered)
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
}

} // namespace

// The program's style hands out the arrows of a narrow menu bar unread; they
// are read, as the base style has them, when drawn.
TEST(ShellStyle, MenuBarArrowsAreTheBaseStylesWhenDrawn)
{
    corvalen::ShellStyle style;
    for (const auto arrow : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = style.standardIcon(arrow);
        EXPECT_FALSE(deferred.isNull());
        const QImage drawn = deferred.pixmap(QSize(16, 16)).toImage();
        const QImage base = style.baseStyle()->standardIcon(arrow).pixmap(QSize(16, 16)).toImage();
        EXPECT_FALSE(base.isNull());
        EXPECT_EQ(drawn, base);
        // A copy draws the same images, read once.
        EXPECT_EQ(QIcon(deferred).pixmap(QSize(16, 16)).toImage(), base);
    }
    EXPECT_EQ(style.standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32).toImage(),
              style.baseStyle()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32).toImage());
}

// An arrow handed out by a style that is then replaced (and deleted, with
// its base style) is drawn all the same, as the style in use draws it.
TEST(ShellStyle, MenuBarArrowOutlivesTheStyleThatGaveIt)
{
    QIcon arrow;
    {
        corvalen::ShellStyle replaced;
        arrow = replaced.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    }
    const QImage drawn = arrow.pixmap(QSize(16, 16)).toImage();
    EXPECT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn, QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(QSize(16, 16)).toImage());
}

// Group box frames are the base style's to the pixel: with a title, without
// one, checkable, on an opaque and a translucent ground, tall and short.
TEST(ShellStyle, GroupBoxFramesAreTheBaseStyles)
{
    auto *shell = new corvalen::ShellStyle;
    QStyle *base = QStyleFactory::create(shell->baseStyle()->name());
    for (const QString &title : {QStringLiteral("计算参数"), QString()}) {
        for (const bool checkable : {false, true}) {
            for (const auto &[opaque, height] : {std::pair(true, 283), std::pair(false, 283), std::pair(true, 38)}) {
                QWidget holder;
                holder.setAutoFillBackground(opaque);
                holder.setPalette(QPalette(QColor(192, 0, 0)));
                holder.resize(400, 300);
                auto *box = new QGroupBox(title, &holder);
                box->setCheckable(checkable);
                box->setGeometry(10, 7, 377, height);
                new QLabel(QStringLiteral("文字"), box);
                box->setStyle(base);
                const QImage plain = holder.grab().toImage();
                box->setStyle(shell);
                EXPECT_EQ(holder.grab().toImage(), plain) << title.toStdString() << checkable << opaque << height;
            }
        }
    }
    delete shell;
    delete base;
}

// The window tests run in an application set up as the program's: its
// style draws their windows, on Qt's own event loop, and the environment
// its programs and pages get is the user's.
TEST(ApplicationSetup, WindowTestsRunAsTheProgramRuns)
{
    EXPECT_NE(dynamic_cast<corvalen::ShellStyle *>(QApplication::style()), nullptr);
    EXPECT_FALSE(QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_NO_GLIB"));
}
