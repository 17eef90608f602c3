#include "common/forms/keyboard_access.h"

#include "common/forms/form.h"
#include "common/forms/list_accessible.h"
#include "common/forms/screen_fit.h"
#include "common/forms/tool_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

namespace corvalen {
namespace {

const char *const kResultProperty = "corvalenResult";
const char *const kLinkProperty = "corvalenLink";

bool inToolWindow(const QWidget *widget)
{
    return qobject_cast<const ToolWindowFrame *>(widget->window()) != nullptr;
}

bool isMultiLineText(const QWidget *widget)
{
    return qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QTextEdit *>(widget);
}

// Tab, Shift+Tab, Ctrl+Tab and Ctrl+Shift+Tab; Alt+Tab belongs to the
// desktop.
bool isTabKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers others = key->modifiers() & ~(Qt::ShiftModifier | Qt::ControlModifier);
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && others == Qt::NoModifier;
}

// The window moves its focus as it does on a Tab into a one-line box.
void moveFocus(QWidget *from, bool backward)
{
    QKeyEvent tab(QEvent::KeyPress, backward ? Qt::Key_Backtab : Qt::Key_Tab,
                  backward ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(from->window(), &tab);
}

// The tab strip whose page Ctrl+Tab changes from `control`: the nearest
// strip of more than one page that holds it, or else the window's one such
// strip (a strip whose pages stay empty chooses for the form beside it).
QTabWidget *stripOf(QWidget *control)
{
    for (QWidget *w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
        if (auto *strip = qobject_cast<QTabWidget *>(w); strip && strip->count() > 1)
            return strip;
    QTabWidget *only = nullptr;
    for (QTabWidget *strip : control->window()->findChildren<QTabWidget *>()) {
        if (strip->count() < 2 || !strip->isVisibleTo(control->window()))
            continue;
        if (only)
            return nullptr;
        only = strip;
    }
    return only;
}

// Ctrl+Tab and Ctrl+Shift+Tab show the next or previous enabled page of the
// control's strip, wherever the focus is in the window; a grid keeps them
// (they leave an opened sheet). True when a page was changed.
bool changePage(QWidget *focus, const QKeyEvent *key)
{
    if (!(key->modifiers() & Qt::ControlModifier) || !isTabKey(key) || qobject_cast<QAbstractItemView *>(focus))
        return false;
    QTabWidget *strip = stripOf(focus);
    if (!strip)
        return false;
    const int step = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier) ? -1 : 1;
    for (int page = strip->currentIndex(), pass = 1; pass < strip->count(); ++pass) {
        page = (page + step + strip->count()) % strip->count();
        if (strip->isTabEnabled(page)) {
            strip->setCurrentIndex(page);
            return true;
        }
    }
    return false;
}

// A control that takes the focus from the keyboard is scrolled into view
// in its window's scroll area; a click leaves the view where the user has
// it (the press would land elsewhere if the view moved under it).
void showFromKeyboard(QWidget *control, Qt::FocusReason reason)
{
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason
        && reason != Qt::OtherFocusReason)
        return;
    for (QWidget *w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
        if (auto *area = dynamic_cast<ContentScrollArea *>(w)) {
            if (area->widget() && area->widget()->isAncestorOf(control))
                area->showControl(control);
            return;
        }
    }
}

// The name a user reads for a control: its own, or its label's.
QString nameOf(const QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    for (const QLabel *label : control->window()->findChildren<QLabel *>())
        if (label->buddy() == control)
            return accessibleText(label->text());
    return QString();
}

// A list builds its drop-down only when first needed (shown, or asked for
// by a screen reader); the drop-down reads as its list from then on.
void nameDropDown(QObject *parent, QObject *child)
{
    auto *view = qobject_cast<QAbstractItemView *>(child);
    auto *list = parent ? qobject_cast<QComboBox *>(parent->parent()) : nullptr;
    if (view && list && view->accessibleName().isEmpty())
        view->setAccessibleName(nameOf(list));
}

// Keys of every tool window, present and future: seen before the control
// that has the focus. The drop-downs of lists are named as they are made.
class KeyboardFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            nameDropDown(watched, static_cast<QChildEvent *>(event)->child());
            return false;
        }
        if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
            showFromKeyboard(static_cast<QWidget *>(watched), static_cast<QFocusEvent *>(event)->reason());
            return false;
        }
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (widget == QApplication::focusWidget() && inToolWindow(widget) && changePage(widget, key))
            return true;
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || !inToolWindow(button)
                || !button->isEnabled())
                return false;
            button->click();
            return true;
        }
        if (isMultiLineText(widget) && isTabKey(key) && inToolWindow(widget)) {
            moveFocus(widget, key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        return false;
    }
};

// A check box or option button as the accessibility interface sees it. Its
// press and toggle actions click the control, so that the window runs what
// a click runs; an option button keeps the option role also where the
// window groups it by hand (the platform's own interface then reports a
// check box).
class ToggleButtonAccessible : public QAccessibleWidget
{
public:
    explicit ToggleButtonAccessible(QAbstractButton *button)
        : QAccessibleWidget(button, qobject_cast<QRadioButton *>(button) ? QAccessible::RadioButton
                                                                        : QAccessible::CheckBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return accessibleText(button()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{toggleAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != toggleAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (button()->isEnabled())
            button()->click();
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(object()); }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QCheckBox") || className == QLatin1String("QRadioButton"))
        return new ToggleButtonAccessible(static_cast<QAbstractButton *>(object));
    if (className == QLatin1String("QLabel") && object->property(kLinkProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Link);
    if (className == QLatin1String("QComboBox"))
        return makeListAccessible(static_cast<QComboBox *>(object));
    // A drawn handbook page or formula: a picture, named by what it shows.
    if (className == QLatin1String("corvalen::TablePicture"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

bool isResult(const QWidget *widget)
{
    return isMultiLineText(widget) || widget->property(kResultProperty).toBool();
}

// The controls of the window that Tab stops at, in the order of its focus
// chain (controls that hand their focus on count as the one they hand it to).
QList<QWidget *> tabStops(QWidget *window)
{
    QList<QWidget *> stops;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops.append(w);
    }
    return stops;
}

// Inputs, lists, options, check boxes and buttons keep the order in which
// the window lays them out (its reading order); results, notes, reports
// and reference texts follow them.
void orderTabChain(QWidget *window)
{
    QList<QWidget *> leading;
    QList<QWidget *> trailing;
    QSet<QWidget *> ahead;  // results before the first input
    for (QWidget *w : tabStops(window)) {
        if (isResult(w) && leading.isEmpty())
            ahead.insert(w);
        (isResult(w) ? trailing : leading).append(w);
    }
    if (trailing.isEmpty() || leading.isEmpty())
        return;
    // Only the results move: the inputs keep their places next to the
    // compound controls (tab strips, lists) that hand their focus on.
    QWidget *previous = leading.last();
    for (QWidget *result : trailing) {
        // A result at the head of the chain already follows the last input
        // as Tab goes round, and Qt leaves it there, where the window would
        // give it the first focus; from behind the first input it moves.
        if (ahead.contains(result))
            QWidget::setTabOrder(leading.first(), result);
        QWidget::setTabOrder(previous, result);
        previous = result;
    }
}

QString withoutColon(QString caption)
{
    while (caption.endsWith(u'：') || caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

// The group a control stands in: the caption of its frame or of its tab
// page, without a closing colon; empty when it stands in none.
QString groupOf(const QWidget *control)
{
    for (const QWidget *w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
        QString caption;
        if (auto *frame = qobject_cast<const QGroupBox *>(w))
            caption = frame->title();
        else if (auto *pages = qobject_cast<const QStackedWidget *>(w->parentWidget()))
            if (auto *tabs = qobject_cast<const QTabWidget *>(pages->parentWidget()))
                caption = tabs->tabText(tabs->indexOf(const_cast<QWidget *>(w)));
        caption = withoutColon(accessibleText(caption));
        if (!caption.isEmpty())
            return caption;
    }
    return QString();
}

// Controls that the Tab key reaches bear names apart, though their
// captions on screen be the same (four "处理设施：" lists, two "计 算 结 果"
// buttons): each takes the name of its group before its own, or, where the
// group does not tell them apart, the name of the control before it in
// reading order (the process a treatment list belongs to).
void nameSharedCaptions(QWidget *window)
{
    QList<QWidget *> controls;
    QHash<QString, QList<QWidget *>> byName;
    for (QWidget *w : tabStops(window)) {
        controls.append(w);
        QString name = nameOf(w);
        if (name.isEmpty())
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                name = accessibleText(button->text());
        if (!name.isEmpty())
            byName[name].append(w);
    }
    for (auto shared = byName.cbegin(); shared != byName.cend(); ++shared) {
        if (shared->size() < 2)
            continue;
        QSet<QString> groups;
        for (QWidget *w : *shared)
            groups.insert(groupOf(w));
        const bool groupsTell = groups.size() == shared->size();
        for (QWidget *w : *shared) {
            QString before = groupsTell ? groupOf(w) : QString();
            if (!groupsTell && controls.indexOf(w) > 0)
                before = nameOf(controls.at(controls.indexOf(w) - 1));
            if (!before.isEmpty())
                w->setAccessibleName(withoutColon(before) + u'：' + shared.key());
        }
    }
}

} // namespace

void installKeyboardAccess()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    qApp->installEventFilter(new KeyboardFilter(qApp));
    QAccessible::installFactory(accessibleFactory);
}

void prepareWindowAccess(QWidget *window)
{
    nameSharedCaptions(window);
    // The edit part of a list reads as the list (its drop-down is named
    // when it is made).
    for (QComboBox *list : window->findChildren<QComboBox *>()) {
        if (QLineEdit *edit = list->lineEdit(); edit && edit->accessibleName().isEmpty())
            edit->setAccessibleName(nameOf(list));
    }
    orderTabChain(window);
}

void markResult(QWidget *box)
{
    box->setProperty(kResultProperty, true);
}

void markLink(QWidget *label)
{
    // Before anything asks how the label reads (the main window's links
    // come before any tool window).
    installKeyboardAccess();
    label->setProperty(kLinkProperty, true);
}

} // namespace corvalen
