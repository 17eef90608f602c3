// Keyboard and assistive use of every registered window, offscreen and
// through QAccessible: a Tab walk from the first input reaches every enabled
// input, list, check box, option and push button and types nothing; Return
// presses the focused push button; every focusable control and every
// picture has a name a user reads; a check box or option toggled through
// its accessible action runs what a click runs, once. Then the windows
// where this used to fail, one by one.
#include "common/forms/form_window.h"
#include "common/forms/screen_fit.h"
#include "every_window.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = accessible(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString describe(const QWidget *widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
}

bool takesTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

// The controls a keyboard user must reach: enabled, shown, taking Tab.
bool mustBeReached(const QWidget *widget, const QWidget *window)
{
    if (!widget->isVisibleTo(window) || !widget->isEnabled() || !takesTab(widget))
        return false;
    if (auto *box = qobject_cast<const QLineEdit *>(widget))
        return !box->isReadOnly() && !qobject_cast<const QComboBox *>(box->parentWidget());
    return qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractButton *>(widget);
}

// An option is reached with its group: Tab stops at the group's chosen
// option, the arrow keys move within the group.
QList<QWidget *> reachedWith(QWidget *widget)
{
    auto *option = qobject_cast<QRadioButton *>(widget);
    if (!option)
        return {widget};
    QList<QWidget *> group;
    if (option->group()) {
        for (QAbstractButton *b : option->group()->buttons())
            group.append(b);
    } else if (option->autoExclusive()) {
        for (QRadioButton *b : option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            if (b->autoExclusive())
                group.append(b);
    }
    return group.isEmpty() ? QList<QWidget *>{widget} : group;
}

bool isInput(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget);
}

// Every text the window shows in a box, list or multi-line text.
QStringList shownTexts(const QWidget *window)
{
    QStringList texts;
    for (auto *w : window->findChildren<QLineEdit *>())
        texts << describe(w) + u'=' + w->text();
    for (auto *w : window->findChildren<QComboBox *>())
        texts << describe(w) + u'=' + w->currentText();
    for (auto *w : window->findChildren<QPlainTextEdit *>())
        texts << describe(w) + u'=' + w->toPlainText();
    for (auto *w : window->findChildren<QTextEdit *>())
        texts << describe(w) + u'=' + w->toPlainText();
    return texts;
}

// Tabs from `first` round the window, twice round at most, showing `visit`
// each control that has the focus; the walk ends when it comes back.
void walkWithTab(QWidget *window, QWidget *first, const std::function<void(QWidget *)> &visit)
{
    first->setFocus(Qt::TabFocusReason);
    const int limit = 2 * int(window->findChildren<QWidget *>().size()) + 4;
    for (int i = 0; i < limit; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus) {
            ADD_FAILURE() << "the focus left the window after " << i << " Tabs";
            return;
        }
        visit(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            return;
    }
}

// A control of the window that the user sees, or would see on its page of a
// tab strip.
bool standsInWindow(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *w = widget; w && w != window; w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget *>(w->parentWidget()))
            return false;
    return widget->window() == window;
}

// The controls Tab reaches, in the order it reaches them.
QList<QWidget *> tabChain(QWidget *window)
{
    QList<QWidget *> chain;
    for (QWidget *c = window->nextInFocusChain(); c && c != window; c = c->nextInFocusChain())
        if (takesTab(c) && standsInWindow(c, window))
            chain.append(c);
    return chain;
}

// The boxes that show results: those the window marks as results, read-only
// ones, multi-line texts, and the boxes of a form window that a click
// recomputes and that nothing typed into them does.
QSet<const QWidget *> resultsOf(const WindowDriver &w)
{
    QSet<const QWidget *> results;
    for (QWidget *c : w.window()->findChildren<QWidget *>()) {
        auto *box = qobject_cast<QLineEdit *>(c);
        if ((box && box->isReadOnly()) || qobject_cast<QPlainTextEdit *>(c) || qobject_cast<QTextEdit *>(c)
            || c->property("corvalenResult").toBool())
            results.insert(c);
    }
    auto *form = dynamic_cast<FormWindow *>(w.instance());
    if (!form)
        return results;
    QSet<QString> clicked;
    QSet<QString> changed;
    for (const Trigger &t : form->spec().triggers) {
        if (t.event == On::Click)
            clicked.unite(QSet<QString>(t.controls.begin(), t.controls.end()));
        if (t.event == On::Change)
            changed.unite(QSet<QString>(t.controls.begin(), t.controls.end()));
    }
    for (const QString &name : clicked - changed)
        if (auto *box = w.find<QLineEdit>(name))
            results.insert(box);
    return results;
}

// Each test below runs once for every registered window.
using EveryWindow = EveryWindowTest;

TEST_P(EveryWindow, TabReachesEveryControlAndTypesNothing)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    QWidget *window = w.window();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);

    QList<QWidget *> chain;
    for (QWidget *c = window->nextInFocusChain(); c && c != window; c = c->nextInFocusChain())
        if (mustBeReached(c, window))
            chain.append(c);
    if (chain.isEmpty())
        return;
    QWidget *first = chain.first();
    for (QWidget *c : chain) {
        if (isInput(c)) {
            first = c;
            break;
        }
    }
    const QStringList before = shownTexts(window);
    QSet<QWidget *> reached;
    walkWithTab(window, first, [&reached](QWidget *focus) { reached.insert(focus); });
    QStringList missed;
    for (QWidget *c : chain) {
        const QList<QWidget *> with = reachedWith(c);
        if (std::none_of(with.begin(), with.end(), [&reached](QWidget *r) { return reached.contains(r); }))
            missed << describe(c);
    }
    EXPECT_TRUE(missed.isEmpty()) << qPrintable(missed.join(QStringLiteral(", ")));
    EXPECT_EQ(QApplication::focusWidget(), first) << "Tab does not come round";
    EXPECT_EQ(shownTexts(window), before);
}

TEST_P(EveryWindow, EveryFocusableControlAndPictureIsNamed)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    QWidget *window = w.window();
    ASSERT_NE(window, nullptr);
    QStringList unnamed;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        // A hidden control is neither reached nor read (the edit line of an
        // inactive sheet); its shown state is checked where it shows.
        if (!c->isVisibleTo(window))
            continue;
        QAccessibleInterface *iface = accessible(c);
        const bool picture = iface && iface->role() == QAccessible::Graphic;
        auto *list = qobject_cast<QComboBox *>(c->parentWidget());
        const bool listEdit = list && list->lineEdit() == c;
        if (!takesTab(c) && !picture && !listEdit && !qobject_cast<QProgressBar *>(c))
            continue;
        if (accessibleName(c).trimmed().isEmpty())
            unnamed << describe(c);
    }
    EXPECT_TRUE(unnamed.isEmpty()) << qPrintable(unnamed.join(QStringLiteral(", ")));
    // A list's drop-down, made when first needed, reads as the list.
    for (QComboBox *list : window->findChildren<QComboBox *>()) {
        if (!list->isVisibleTo(window))
            continue;
        EXPECT_FALSE(accessibleName(list->view()).trimmed().isEmpty()) << qPrintable(describe(list));
        if (!list->accessibleName().isEmpty()) {
            EXPECT_EQ(list->view()->accessibleName(), list->accessibleName()) << qPrintable(describe(list));
        }
    }
}

// The names that more than one control in sight bears, with the controls.
QStringList sharedNames(QWidget *window)
{
    QMap<QString, QStringList> byName;
    for (QWidget *c : tabChain(window))
        // A tab strip reads as its chosen page (Ctrl+Tab moves it); the parts
        // of a control (a strip's scroll buttons) keep Qt's names.
        if (const QString name = accessibleName(c); !name.trimmed().isEmpty() && !qobject_cast<QTabBar *>(c)
                                                     && !qobject_cast<QTabBar *>(c->parentWidget()))
            byName[name].append(describe(c));
    QStringList shared;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        if (it->size() > 1)
            shared << it.key() + u'=' + it->join(u',');
    return shared;
}

// Controls that share a caption on screen are told apart by their names.
TEST_P(EveryWindow, NoTwoFocusableControlsShareAName)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    ASSERT_NE(w.window(), nullptr);
    const QStringList shared = sharedNames(w.window());
    EXPECT_TRUE(shared.isEmpty()) << qPrintable(shared.join(QStringLiteral("; ")));
}

// And they stay told apart when a choice changes the captions or what the
// window shows: every item of every list, every option and every page.
TEST_P(EveryWindow, NamesStayApartAfterEveryChoice)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    ASSERT_NE(w.window(), nullptr);
    MessageRecorder messages;
    QList<QPointer<QWidget>> choosers;
    for (QWidget *c : w.window()->findChildren<QWidget *>())
        if (qobject_cast<QComboBox *>(c) || qobject_cast<QRadioButton *>(c) || qobject_cast<QTabWidget *>(c))
            choosers.append(c);
    auto check = [&](const QWidget *chooser, int choice) {
        const QStringList shared = sharedNames(w.window());
        EXPECT_TRUE(shared.isEmpty()) << qPrintable(describe(chooser)) << ' ' << choice << ": "
                                      << qPrintable(shared.join(QStringLiteral("; ")));
    };
    for (const QPointer<QWidget> &chooser : choosers) {
        if (!chooser || !chooser->isEnabled() || !standsInWindow(chooser, w.window()))
            continue;
        if (auto *list = qobject_cast<QComboBox *>(chooser.data())) {
            for (int item = 0; list && item < list->count() && w.window(); ++item) {
                list->setCurrentIndex(item);
                Q_EMIT list->activated(item);
                if (w.window())
                    check(list, item);
            }
        } else if (auto *strip = qobject_cast<QTabWidget *>(chooser.data())) {
            for (int page = 0; strip && page < strip->count() && w.window(); ++page) {
                strip->setCurrentIndex(page);
                if (w.window())
                    check(strip, page);
            }
        } else {
            static_cast<QRadioButton *>(chooser.data())->click();
            if (w.window())
                check(chooser, 0);
        }
        if (!w.window())
            return;
    }
}

// A list is named by its label before and after a choice; the chosen item
// is its value.
TEST_P(EveryWindow, ChoosingAnItemKeepsTheListsName)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    ASSERT_NE(w.window(), nullptr);
    MessageRecorder messages;
    QList<QPointer<QComboBox>> lists;
    for (QComboBox *list : w.window()->findChildren<QComboBox *>())
        lists.append(list);
    for (const QPointer<QComboBox> &list : lists) {
        if (!list || !list->isEnabled() || list->count() == 0 || !standsInWindow(list, w.window()))
            continue;
        const QString name = accessibleName(list);
        list->setCurrentIndex(list->count() - 1);
        Q_EMIT list->activated(list->count() - 1);
        if (!w.window() || !list)
            return;
        EXPECT_EQ(accessibleName(list), name) << qPrintable(describe(list));
        EXPECT_EQ(accessible(list)->text(QAccessible::Value), list->currentText()) << qPrintable(describe(list));
        if (QLineEdit *edit = list->lineEdit()) {
            EXPECT_EQ(accessibleName(edit), name) << qPrintable(describe(list));
        }
    }
}

// Tab walks the inputs, lists, options and buttons first, then the results.
TEST_P(EveryWindow, ResultsComeAfterTheInputs)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    ASSERT_NE(w.window(), nullptr);
    const QSet<const QWidget *> results = resultsOf(w);
    const QWidget *firstResult = nullptr;
    QStringList late;
    for (const QWidget *c : tabChain(w.window())) {
        if (results.contains(c)) {
            if (!firstResult)
                firstResult = c;
        } else if (firstResult && (isInput(c) || qobject_cast<const QAbstractButton *>(c))) {
            late << describe(c);
        }
    }
    EXPECT_TRUE(late.isEmpty()) << "after " << (firstResult ? qPrintable(describe(firstResult)) : "")
                                << ": " << qPrintable(late.join(QStringLiteral(", ")));
}

// Through the accessible action as through the mouse: the window's steps
// run once (they hang on the click). An option keeps the option role.
TEST_P(EveryWindow, ToggledThroughTheAccessibleActionIsAClick)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    QWidget *window = w.window();
    ASSERT_NE(window, nullptr);
    QList<QPointer<QAbstractButton>> toggles;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b))
            toggles.append(b);
    for (const QPointer<QAbstractButton> &button : toggles) {
        if (!button || !button->isEnabled() || !button->isVisibleTo(window))
            continue;
        QAccessibleInterface *iface = accessible(button);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), qobject_cast<QRadioButton *>(button) ? QAccessible::RadioButton
                                                                       : QAccessible::CheckBox)
            << qPrintable(describe(button));
        QAccessibleActionInterface *actions = iface->actionInterface();
        ASSERT_NE(actions, nullptr);
        int clicks = 0;
        QObject::connect(button, &QAbstractButton::clicked, button, [&clicks] { ++clicks; });
        actions->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(clicks, 1) << qPrintable(describe(button));
        if (!w.window())
            return;
    }
}

TEST_P(EveryWindow, ReturnPressesTheFocusedButton)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    QWidget *window = w.window();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    QList<QPointer<QPushButton>> buttons;
    for (QPushButton *b : window->findChildren<QPushButton *>())
        buttons.append(b);
    for (const QPointer<QPushButton> &button : buttons) {
        if (!button || !button->isEnabled() || !button->isVisibleTo(window) || !takesTab(button))
            continue;
        int clicks = 0;
        QObject::connect(button, &QAbstractButton::clicked, button, [&clicks] { ++clicks; });
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(clicks, 1) << qPrintable(describe(button));
        if (!w.window())
            return;
        QApplication::setActiveWindow(w.window());
    }
}

// The part of the scrolled contents in view, in the contents' coordinates.
QRect viewOf(const QScrollArea *area)
{
    return QRect(-area->widget()->pos(), area->viewport()->size());
}

QRect placeIn(const QWidget *contents, const QWidget *w)
{
    return QRect(w->mapTo(contents, QPoint()), w->size());
}

// Where the window scrolls its contents, as much of the control as the view
// holds is in view once the window has laid itself out.
void expectInView(QWidget *window, QWidget *control, const char *when)
{
    QCoreApplication::processEvents();
    auto *area = window->findChild<ContentScrollArea *>();
    if (!control || !area || !area->widget()->isAncestorOf(control))
        return;
    const QRect place = placeIn(area->widget(), control);
    const QRect view = viewOf(area);
    const QRect both = view.intersected(place);
    EXPECT_EQ(both.width(), qMin(view.width(), place.width())) << qPrintable(describe(control)) << ' ' << when;
    EXPECT_EQ(both.height(), qMin(view.height(), place.height())) << qPrintable(describe(control)) << ' ' << when;
}

// The pages of every multi-page tab strip, as indexes.
QList<int> pagesShown(const QWidget *window)
{
    QList<int> pages;
    for (const QTabWidget *strip : window->findChildren<QTabWidget *>())
        if (strip->count() > 1 && strip->isVisibleTo(window))
            pages << strip->currentIndex();
    return pages;
}

// Ctrl+Tab shows the next page and Ctrl+Shift+Tab the one before, from
// every control of every page of a tabbed window, as from the controls that
// the strip chooses for (and whatever else takes the focus in the window),
// and the focused control stays in view; the grid of an opened sheet keeps
// the keys.
TEST_P(EveryWindow, CtrlTabChangesThePageFromEveryControl)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    QWidget *window = w.window();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    QList<QTabWidget *> strips;
    for (QTabWidget *strip : window->findChildren<QTabWidget *>())
        if (strip->count() > 1 && strip->isVisibleTo(window))
            strips << strip;
    for (QTabWidget *strip : strips) {
        for (int page = 0; page < strip->count(); ++page) {
            strip->setCurrentIndex(page);
            QList<QPointer<QWidget>> controls;
            for (QWidget *c : window->findChildren<QWidget *>())
                if (takesTab(c) && c->isEnabled() && c->isVisibleTo(window) && !qobject_cast<QAbstractItemView *>(c))
                    controls << c;
            for (const QPointer<QWidget> &control : controls) {
                if (!control || !control->isVisibleTo(window))
                    continue;
                strip->setCurrentIndex(page);
                const QList<int> before = pagesShown(window);
                control->setFocus(Qt::TabFocusReason);
                QTest::keyClick(control, Qt::Key_Tab, Qt::ControlModifier);
                const QList<int> after = pagesShown(window);
                int moved = 0;
                for (int i = 0; i < before.size() && i < after.size(); ++i)
                    moved += before[i] == after[i] ? 0 : 1;
                EXPECT_EQ(moved, 1) << qPrintable(describe(control)) << " on page " << page;
                if (strip->currentIndex() == page)
                    continue;
                EXPECT_EQ(strip->currentIndex(), (page + 1) % strip->count()) << qPrintable(describe(control));
                ASSERT_NE(QApplication::focusWidget(), nullptr) << qPrintable(describe(control));
                expectInView(window, QApplication::focusWidget(), "after Ctrl+Tab");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
                EXPECT_EQ(strip->currentIndex(), page) << qPrintable(describe(control)) << " back";
                expectInView(window, QApplication::focusWidget(), "after Ctrl+Shift+Tab");
            }
        }
    }
}

// Where a page change moves the focused control, Ctrl+Tab and Ctrl+Shift+Tab
// scroll it back into view: the report of 地面水评价分级 stands below a form
// that the lake page makes taller. On a small screen the window scrolls its
// contents; here a taller report makes them too large for the test screen.
TEST(CtrlTab, KeepsTheFocusedControlInView)
{
    WindowDriver w(QStringLiteral("地面水评价分级"));
    QWidget *window = w.window();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    QWidget *report = w.find("RichTextBox1");
    const QSize room = roomOnScreen(window);
    report->setMinimumHeight(room.height() / 2);
    fitWindowToScreen(window);
    ASSERT_NE(window->findChild<ContentScrollArea *>(), nullptr);
    window->resize(room);
    QCoreApplication::processEvents();
    report->setFocus(Qt::TabFocusReason);
    expectInView(window, report, "reached by Tab");
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Tab ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier;
        for (int page = 0; page < 3; ++page) {
            QTest::keyClick(report, key, modifiers);
            ASSERT_EQ(QApplication::focusWidget(), report);
            expectInView(window, report, key == Qt::Key_Tab ? "after Ctrl+Tab" : "after Ctrl+Shift+Tab");
        }
    }
}

// What a user reads in a window: a text or a picture with no control in it.
bool isReadable(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return !label->text().trimmed().isEmpty() || !label->pixmap().isNull();
    QAccessibleInterface *iface = accessible(widget);
    return !widget->findChild<QWidget *>() && iface && iface->role() == QAccessible::Graphic;
}

// Presses the key on the focused widget until the view stops moving; every
// view on the way counts as shown.
void scrollWith(QScrollArea *area, Qt::Key key, QRegion &shown)
{
    for (int i = 0; i < 1000; ++i) {
        const QRect before = viewOf(area);
        QTest::keyClick(QApplication::focusWidget(), key);
        shown += viewOf(area);
        if (viewOf(area) == before)
            return;
    }
}

// In a window whose contents are larger than the screen (the offscreen
// screen is 800×600), every control that Tab reaches is scrolled into view,
// as much of it as the view holds, and every text and picture of the
// contents comes into view: by Tab, or by the arrows and PgUp/PgDn on a
// text or picture that Tab stops at.
TEST_P(EveryWindow, TheKeyboardShowsEveryPartOfAScrolledWindow)
{
    WindowDriver w(QString::fromStdString(GetParam()));
    QWidget *window = w.window();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
    auto *area = window->findChild<ContentScrollArea *>();
    if (!area || viewOf(area).contains(QRect(QPoint(), area->widget()->size())))
        return;
    QWidget *contents = area->widget();
    QWidget *first = nullptr;
    for (QWidget *c = window->nextInFocusChain(); c && c != window && !first; c = c->nextInFocusChain())
        if (takesTab(c) && c->isEnabled() && c->isVisibleTo(window))
            first = c;
    ASSERT_NE(first, nullptr) << "nothing in the window takes the focus";
    QRegion shown(viewOf(area));
    walkWithTab(window, first, [&](QWidget *focus) {
        // As much of the control as the view can hold is in view.
        const QRect place = placeIn(contents, focus);
        const QRect view = viewOf(area);
        const QRect both = view.intersected(place);
        EXPECT_EQ(both.width(), qMin(view.width(), place.width())) << qPrintable(describe(focus));
        EXPECT_EQ(both.height(), qMin(view.height(), place.height())) << qPrintable(describe(focus));
        shown += viewOf(area);
        if (isReadable(focus)) {
            EXPECT_FALSE(accessibleName(focus).trimmed().isEmpty()) << qPrintable(describe(focus));
            for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Left,
                                      Qt::Key_Up, Qt::Key_Right, Qt::Key_PageDown})
                scrollWith(area, key, shown);
        }
    });
    QStringList unseen;
    for (QWidget *c : contents->findChildren<QWidget *>())
        if (c->isVisibleTo(contents) && isReadable(c) && !QRegion(placeIn(contents, c)).subtracted(shown).isEmpty())
            unseen << describe(c);
    EXPECT_TRUE(unseen.isEmpty()) << qPrintable(unseen.join(QStringLiteral(", ")));
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(registeredWindowNames()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             return "window" + std::to_string(info.index);
                         });

void toggle(WindowDriver &w, const QString &name)
{
    QAccessibleInterface *iface = accessible(w.find(name));
    ASSERT_NE(iface, nullptr) << qPrintable(name);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

// The four windows where a change through the accessibility interface
// used to leave the window as it was.
TEST(ToggledThroughAccessibility, RunsTheWindowsSteps)
{
    {
        WindowDriver w(QStringLiteral("完全混合模式_河15"));
        toggle(w, "Check1");
        EXPECT_TRUE(w.find<QCheckBox>("Check1")->isChecked());
        EXPECT_FALSE(w.find("Text7")->isEnabled()) << "the S-P boxes grey out: complete mixing";
        toggle(w, "Check1");
        EXPECT_TRUE(w.find("Text7")->isEnabled());
    }
    {
        WindowDriver w(QStringLiteral("建设项目环境影响评价咨询收费"));
        toggle(w, "Option2");
        EXPECT_TRUE(w.find("Frame4")->isVisible()) << "the topic controls show";
        EXPECT_FALSE(w.find("Frame1")->isVisible());
        toggle(w, "Option4");
        EXPECT_EQ(w.text("Text2"), "0");
    }
    {
        WindowDriver w(QStringLiteral("国民经济行业分类与代码检索1"));
        toggle(w, "Option2");
        EXPECT_EQ(w.text("Label4"), QStringLiteral("输入检索行业类别的关键字："));
        EXPECT_TRUE(w.find("Text1")->isVisible());
    }
    {
        WindowDriver w(QStringLiteral("地面水评价分级"));
        w.find<QTabWidget>("TabStrip1")->setCurrentIndex(1);
        toggle(w, "Option12");
        EXPECT_TRUE(w.find<QRadioButton>("Option12")->isChecked());
        EXPECT_EQ(w.find<QRadioButton>("Option11")->text(), QStringLiteral("大湖(库)≥50km^2"));
        EXPECT_EQ(w.find<QRadioButton>("Option9")->text(), QStringLiteral("小湖(库)在<5km^2"));
    }
}

// Grouped options are option buttons to a screen reader, and the arrow keys
// move the choice within the group, running the group's steps.
TEST(GroupedOptions, AreOptionsAndMoveWithTheArrowKeys)
{
    WindowDriver w(QStringLiteral("地面水评价分级"));
    QApplication::setActiveWindow(w.window());
    w.find<QTabWidget>("TabStrip1")->setCurrentIndex(1);
    EXPECT_EQ(accessible(w.find("Option12"))->role(), QAccessible::RadioButton);
    auto *deep = w.find<QRadioButton>("Option13");
    ASSERT_TRUE(deep->isChecked());
    deep->setFocus(Qt::TabFocusReason);
    QTest::keyClick(deep, Qt::Key_Right);
    EXPECT_TRUE(w.find<QRadioButton>("Option12")->isChecked());
    EXPECT_EQ(w.find<QRadioButton>("Option9")->text(), QStringLiteral("小湖(库)在<5km^2"));
}

// Tab and Ctrl+Tab leave a basis note without typing into it; the compute
// button, reached by Tab, computes on Return; Return in a filtered numeric
// box is still refused with the filter's message.
TEST(Keyboard, NoteButtonAndNumericBox)
{
    WindowDriver w(QStringLiteral("石灰窑废气产生量"));
    QApplication::setActiveWindow(w.window());
    auto *note = w.find<QPlainTextEdit>("Text7");
    const QString text = note->toPlainText();
    for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ControlModifier}) {
        note->setFocus(Qt::TabFocusReason);
        QTest::keyClick(note, Qt::Key_Tab, modifiers);
        EXPECT_NE(QApplication::focusWidget(), note) << int(modifiers);
        EXPECT_EQ(note->toPlainText(), text);
    }

    const struct
    {
        const char *box;
        const char *text;
    } inputs[] = {{"Text1", "1000"}, {"Text2", "150"}, {"Text3", "80"}, {"Text4", "0"}, {"Text5", "28"}};
    for (const auto &input : inputs)
        w.set(input.box, input.text);
    w.find("Text5")->setFocus(Qt::TabFocusReason);
    {
        MessageRecorder messages;
        QTest::keyClick(w.find("Text5"), Qt::Key_Return);
        EXPECT_EQ(messages.messages, QStringList{QStringLiteral("数据输入错误,请检查是否在数值输入状态")});
    }
    EXPECT_EQ(w.text("Text6"), QStringLiteral(" ")) << "Return in a box computes nothing";
    QTest::keyClick(w.find("Text5"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w.find("Command2")) << "Tab goes from the inputs to 计算";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_NE(w.text("Text6"), QStringLiteral(" "));
}

// A handbook table reads as its title, with its rows as the description; a
// formula picture reads as its formula.
TEST(Pictures, NamedByTitleOrFormula)
{
    {
        WindowDriver w(QStringLiteral("燃煤DTH"));
        QAccessibleInterface *picture = accessible(w.find("Picture1"));
        EXPECT_EQ(picture->role(), QAccessible::Graphic);
        EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("表4—19 各种炉型 dfh 值表"));
        const QStringList rows = picture->text(QAccessible::Description).split(u'\n');
        ASSERT_EQ(rows.size(), 6);
        EXPECT_EQ(rows[0], QStringLiteral("炉型\tdfh（%）\t炉型\tdfh（%）"));
        EXPECT_EQ(rows[1], QStringLiteral("手烧炉\t15～25\t沸腾炉\t40～50"));
        EXPECT_EQ(rows[5], QStringLiteral("抛煤机炉\t25～40\t\t"));
    }
    {
        WindowDriver w(QStringLiteral("气体泄漏量"));
        const QString formula = accessibleName(w.find("Image1"));
        EXPECT_TRUE(formula.startsWith(QStringLiteral("QG = Y·Cd·A·P·√["))) << qPrintable(formula);
    }
}

} // namespace

namespace {

// Controls that share a caption are named with the frame or page that
// tells them apart or, in the foundry window, where none does, with their
// place among them; the captions on screen stay as they are. A control in
// sight of no other with its caption keeps its own name (a hidden row
// shares none). A list keeps its name after a choice.
TEST(Names, SharedCaptionsAndChosenItems)
{
    const struct
    {
        const char *window;
        const char *control;
        QString name;
    } cases[] = {
        {"铸造工业颗粒物排放量", "Combo7", QStringLiteral("处理设施（1）：")},
        {"铸造工业颗粒物排放量", "Combo8", QStringLiteral("处理设施（2）：")},
        {"铸造工业颗粒物排放量", "Combo12", QStringLiteral("处理设施（6）：")},
        {"各类贮罐大小呼吸量计算1", "Text4", QStringLiteral("当地大气压 Pa[Kpa]：")},
        {"各类贮罐大小呼吸量计算1", "Text11", QStringLiteral("油品平均温度下蒸汽压 Py[Kpa]：")},
        {"风险评价之烟团模式", "Command1",
         QStringLiteral("下风向地面某点的空气中污染物的浓度C(X,Y,0)(mg/M^3)：计 算")},
        {"风险评价之烟团模式", "Command4", QStringLiteral("下风向临界点距离L（X,0,0）的计算：计 算")},
        {"各类贮罐大小呼吸量计算1", "Command2", QStringLiteral("大呼吸量计算：确认计算")},
        {"各类贮罐大小呼吸量计算1", "Command3", QStringLiteral("小呼吸量计算：确认计算")},
        {"二维稳态混合模式_河2", "Command1", QStringLiteral("某点计算结果：计 算 结 果")},
        {"二维稳态混合模式_河2", "Command2", QStringLiteral("网格计算结果：计 算 结 果")},
    };
    for (const auto &c : cases) {
        WindowDriver w(QString::fromUtf8(c.window));
        EXPECT_EQ(accessibleName(w.find(c.control)), c.name) << c.window << ' ' << c.control;
    }

    WindowDriver w(QStringLiteral("铸造工业颗粒物排放量"));
    EXPECT_EQ(w.text("Label2_6"), QStringLiteral("处理设施：")) << "the caption on screen";
    auto *list = w.find<QComboBox>("Combo1");
    w.choose("Combo1", QStringLiteral("坩锅炉"));
    EXPECT_EQ(accessibleName(list), QStringLiteral("铝件铸造业："));
    EXPECT_EQ(accessible(list)->text(QAccessible::Value), QStringLiteral("坩锅炉"));
    EXPECT_EQ(accessibleName(list->lineEdit()), QStringLiteral("铝件铸造业："));
    EXPECT_EQ(accessibleName(w.find<QComboBox>("Combo7")->lineEdit()), QStringLiteral("处理设施（1）："));
}

// The tank window names its boxes after the captions of the type chosen;
// boxes that then share a caption are named with their frames, and a box
// that shares it no more gets its own name back.
TEST(Names, FollowTheTankTypeChosen)
{
    WindowDriver w(QStringLiteral("各类贮罐大小呼吸量计算1"));
    const struct
    {
        QString type;
        std::vector<std::pair<const char *, QString>> names;
    } types[] = {
        {QStringLiteral("浮顶油罐"),
         {{"Text5", QStringLiteral("大呼吸量计算：油罐直径 D [m]：")},
          {"Text20", QStringLiteral("小呼吸量计算：油罐直径 D [m]：")},
          {"Text24", QStringLiteral("当地大气压 Pa[Kpa]：")},
          {"Text4", QStringLiteral("密封相关系数 Kt：")}}},
        {QStringLiteral("内浮顶油罐"),
         {{"Text5", QStringLiteral("大呼吸量计算：油罐直径 D [m]：")},
          {"Text9", QStringLiteral("大呼吸量计算：支柱有效直径 Fc[m]：")},
          {"Text21", QStringLiteral("小呼吸量计算：支柱有效直径 Fc[m]：")}}},
        {QStringLiteral("拱顶罐"),
         {{"Text5", QStringLiteral("泵送液体入罐量 V1 [m^3]：")},
          {"Text20", QStringLiteral("油品系数 K3 ：")},
          {"Text9", QStringLiteral("周转系数 Kt ：")},
          {"Command2", QStringLiteral("大呼吸量计算：确认计算")}}},
    };
    for (const auto &t : types) {
        w.choose("Combo1", t.type);
        for (const auto &[box, name] : t.names)
            EXPECT_EQ(accessibleName(w.find(box)), name) << qPrintable(t.type) << ' ' << box;
        const QStringList shared = sharedNames(w.window());
        EXPECT_TRUE(shared.isEmpty()) << qPrintable(t.type) << ": " << qPrintable(shared.join(QStringLiteral("; ")));
    }
}

// The scroll buttons of a tab strip are the strip's, not the window's: they
// keep the names Qt gives them.
TEST(Names, PartsOfAControlKeepQtsNames)
{
    WindowDriver w(QStringLiteral("地面水评价分级"));
    const QList<QToolButton *> buttons = w.window()->findChildren<QToolButton *>();
    ASSERT_FALSE(buttons.isEmpty());
    for (QToolButton *button : buttons) {
        ASSERT_TRUE(qobject_cast<QTabBar *>(button->parentWidget())) << qPrintable(describe(button));
        const bool left = button->objectName() == QLatin1String("ScrollLeftButton");
        EXPECT_EQ(accessibleName(button),
                  QTabBar::tr(left ? "Scroll Left" : "Scroll Right"))
            << qPrintable(describe(button));
    }
}

// Every window's names, one line a control: "window<TAB>control<TAB>name".
QStringList namesOfEveryWindow()
{
    QStringList lines;
    for (const std::string &name : registeredWindowNames()) {
        WindowDriver w(QString::fromStdString(name));
        if (!w.window())
            continue;
        for (QWidget *c : tabChain(w.window()))
            lines << QString::fromStdString(name) + u'\t' + describe(c) + u'\t' + accessibleName(c);
    }
    return lines;
}

// The names come out the same in every run of the program, whatever order
// its hash tables take there: two processes, one with a random seed of
// Qt's hashes and one with a fixed seed, name every control alike. (Run as
// such a process, the test prints the names instead.)
TEST(Names, AreTheSameInEveryRun)
{
    const char *const printNames = "CORVALEN_PRINT_NAMES";
    if (qEnvironmentVariableIsSet(printNames)) {
        for (const QString &line : namesOfEveryWindow())
            std::printf("name\t%s\n", line.toUtf8().constData());
        return;
    }
    QList<QStringList> runs;
    for (const char *seed : {"", "0"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(printNames, "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (*seed)
            env.insert("QT_HASH_SEED", seed);
        else
            env.remove("QT_HASH_SEED");
        QProcess run;
        run.setProcessEnvironment(env);
        run.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Names.AreTheSameInEveryRun"});
        ASSERT_TRUE(run.waitForFinished(120000));
        ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().constData();
        QStringList names;
        for (const QString &line : QString::fromUtf8(run.readAllStandardOutput()).split(u'\n'))
            if (line.startsWith(QLatin1String("name\t")))
                names << line.mid(5);
        runs << names;
    }
    EXPECT_GT(runs[0].size(), 500);
    EXPECT_EQ(runs[0], runs[1]);
}

} // namespace
