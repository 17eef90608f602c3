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
#include <algorithm>

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

// The text of the label that names a control; empty where none does.
QString labelOf(const QWidget *control)
{
    for (const QLabel *label : control->window()->findChildren<QLabel *>())
        if (label->buddy() == control)
            return accessibleText(label->text());
    return QString();
}

// The name a user reads for a control: its own, or its label's.
QString nameOf(const QWidget *control)
{
    return control->accessibleName().isEmpty() ? labelOf(control) : control->accessibleName();
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
        if (widget == QApplication::focusWidget() && inToolWindow(widget) && changePage(widget, key)) {
            // The new page may move the focused control: once the window is
            // laid out for it, the control is shown as Tab shows it.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            if (QWidget *focus = QApplication::focusWidget())
                showFromKeyboard(focus, Qt::OtherFocusReason);
            return true;
        }
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

// The captions of the frames and tab pages a control stands in, the
// nearest first, without their closing colons.
QStringList groupsOf(const QWidget *control)
{
    QStringList groups;
    for (const QWidget *w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
        QString caption;
        if (auto *frame = qobject_cast<const QGroupBox *>(w))
            caption = frame->title();
        else if (auto *pages = qobject_cast<const QStackedWidget *>(w->parentWidget()))
            if (auto *tabs = qobject_cast<const QTabWidget *>(pages->parentWidget()))
                caption = tabs->tabText(tabs->indexOf(const_cast<QWidget *>(w)));
        caption = withoutColon(accessibleText(caption));
        if (!caption.isEmpty())
            groups.append(caption);
    }
    return groups;
}

// A control the user sees, or would see on its page of a tab strip.
bool standsInWindow(const QWidget *control, const QWidget *window)
{
    for (const QWidget *w = control; w && w != window; w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget *>(w->parentWidget()))
            return false;
    return true;
}

// A part of another control, such as the scroll buttons of a tab strip,
// bears the name Qt gives it.
bool isPartOfAControl(const QWidget *widget)
{
    return widget->parentWidget() && widget->parentWidget()->focusPolicy() != Qt::NoFocus;
}

// The controls that bear a name given to tell them apart: that name, and
// the name their window had given them.
struct ToldApart
{
    QString told;
    QString own;
};

QHash<const QWidget *, ToldApart> &toldApart()
{
    static QHash<const QWidget *, ToldApart> controls;
    return controls;
}

// The name the window gives the control, with no name given to tell it
// apart: a name the window set since is its own.
QString ownName(const QWidget *control)
{
    const auto told = toldApart().constFind(control);
    if (told != toldApart().cend() && control->accessibleName() == told->told)
        return told->own;
    return control->accessibleName();
}

// The caption a user reads for a control: its own name, else its label's
// text or its own caption.
QString captionOf(const QWidget *control, const QString &own)
{
    if (!own.isEmpty())
        return own;
    if (const QString label = labelOf(control); !label.isEmpty())
        return label;
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return accessibleText(button->text());
    return QString();
}

// `caption` told apart by its place among the controls that share it:
// "处理设施（2）：".
QString withPlace(const QString &caption, int place)
{
    const QString bare = withoutColon(caption);
    return bare + QStringLiteral("（%1）").arg(place) + caption.mid(bare.size());
}

void setToldApart(QWidget *control, const QString &own, const QString &name)
{
    if (name.isEmpty()) {
        toldApart().remove(control);
    } else {
        if (!toldApart().contains(control))
            QObject::connect(control, &QObject::destroyed, qApp, [control] { toldApart().remove(control); });
        toldApart().insert(control, {name, own});
    }
    const QString shown = name.isEmpty() ? own : name;
    if (control->accessibleName() != shown)
        control->setAccessibleName(shown);
}

} // namespace

void nameSharedCaptions(QWidget *window)
{
    struct Control
    {
        QWidget *widget;
        QString own;      // the name the window gives it, maybe none
        QString caption;  // what the user reads
        QString name;     // the name that tells it apart, if it needs one
    };
    QList<Control> controls;
    for (QWidget *w : tabStops(window)) {
        if (isPartOfAControl(w))
            continue;
        const QString own = ownName(w);
        controls.append({w, own, captionOf(w, own), QString()});
    }
    // The controls in sight that share each caption, in Tab order.
    QHash<QString, QList<int>> sharing;
    for (int i = 0; i < controls.size(); ++i)
        if (!controls[i].caption.isEmpty() && standsInWindow(controls[i].widget, window))
            sharing[controls[i].caption].append(i);
    for (const QList<int> &shared : std::as_const(sharing)) {
        if (shared.size() < 2)
            continue;
        QList<QStringList> groups;
        for (int i : shared)
            groups.append(groupsOf(controls[i].widget));
        // Each takes the nearest frame or page that none of the others
        // stands in.
        for (int k = 0; k < shared.size(); ++k) {
            for (const QString &group : std::as_const(groups[k])) {
                const bool tells = std::none_of(groups.begin(), groups.end(), [&](const QStringList &other) {
                    return &other != &groups[k] && other.contains(group);
                });
                if (tells) {
                    controls[shared[k]].name = group + u'：' + controls[shared[k]].caption;
                    break;
                }
            }
        }
        // Those that none tells apart take their place among them, in the
        // order Tab reaches them.
        QList<int> untold;
        for (int i : shared)
            if (controls[i].name.isEmpty())
                untold.append(i);
        for (int place = 1; untold.size() > 1 && place <= untold.size(); ++place)
            controls[untold[place - 1]].name = withPlace(controls[untold[place - 1]].caption, place);
    }
    for (const Control &control : std::as_const(controls)) {
        setToldApart(control.widget, control.own, control.name);
        // The edit part and the drop-down of a list read as the list.
        if (auto *list = qobject_cast<QComboBox *>(control.widget)) {
            const QString name = nameOf(list);
            for (QWidget *part : {static_cast<QWidget *>(list->lineEdit()),
                                  static_cast<QWidget *>(list->findChild<QAbstractItemView *>())})
                if (part && part->accessibleName() != name)
                    part->setAccessibleName(name);
        }
    }
}

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
