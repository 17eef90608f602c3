#include "common/forms/screen_fit.h"

#include <QAccessible>
#include <QLabel>
#include <QLayout>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace corvalen {
namespace {

// Title bar and borders of a usual window manager, in pixels.
constexpr int kDecorationWidth = 16;
constexpr int kDecorationHeight = 40;

// The size the window would open with: the size its build gave it, or else
// its preferred size.
QSize openingSize(const QWidget *window)
{
    if (window->testAttribute(Qt::WA_Resized))
        return window->size();
    return window->sizeHint().expandedTo(window->minimumSize());
}

// Moves the window's layout and its other child widgets into a scroll area
// that becomes the window's only child. Child windows (dialogs, popups)
// stay where they are.
void moveContentsIntoScrollArea(QWidget *window)
{
    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("contents"));
    const QSize laidOutMinimum = window->minimumSize();
    // Widgets placed without the layout keep their places.
    const QList<QWidget *> children = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    if (QLayout *layout = window->layout())
        contents->setLayout(layout);  // takes the layout and the widgets it manages
    for (QWidget *child : children) {
        if (child->isWindow() || child->parentWidget() != window)
            continue;
        const bool hidden = child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QRect place = child->geometry();
        child->setParent(contents);
        child->setGeometry(place);
        if (hidden)
            child->hide();
    }
    if (!contents->layout()) {
        const QRect used = contents->childrenRect();
        contents->setMinimumSize(laidOutMinimum.expandedTo(QSize(used.right() + 1, used.bottom() + 1)));
    }
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    auto *area = new ContentScrollArea(window);
    area->setObjectName(QStringLiteral("scrollArea"));
    area->setWidget(contents);
    auto *windowLayout = new QVBoxLayout(window);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(area);
}

// A scroll bar along one side takes room from the other.
QSize withScrollBarRoom(const QWidget *window, QSize wanted, const QSize &room)
{
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const QSize asked = wanted;
    if (asked.width() > room.width())
        wanted.rheight() += bar;
    if (asked.height() > room.height())
        wanted.rwidth() += bar;
    return wanted;
}

// Room kept around a control scrolled into view, as Qt's own scroll areas
// keep, where the view has it.
constexpr int kShowMargin = 50;

// The first visible point along one axis after the focus came to a control
// at [start, start + length): the view moves as little as shows it whole
// with a margin, or to its beginning when it is longer than the view.
int viewStartFor(int start, int length, int viewStart, int viewLength, int most)
{
    const int margin = qBound(0, (viewLength - length) / 2, kShowMargin);
    int to = viewStart;
    if (length > viewLength || start - margin < viewStart)
        to = start - margin;
    else if (start + length + margin > viewStart + viewLength)
        to = start + length + margin - viewLength;
    return qBound(0, to, most);
}

QRect placeIn(const QWidget *contents, const QWidget *control)
{
    return QRect(control->mapTo(contents, QPoint()), control->size());
}

// The view after the focus came to `place`: the visible part of the
// contents, in their coordinates.
QRect viewShowing(const QRect &view, const QRect &place, const QSize &contents)
{
    const QPoint most(qMax(0, contents.width() - view.width()), qMax(0, contents.height() - view.height()));
    return QRect(QPoint(viewStartFor(place.x(), place.width(), view.x(), view.width(), most.x()),
                        viewStartFor(place.y(), place.height(), view.y(), view.height(), most.y())),
                 view.size());
}

bool takesTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget->isEnabled();
}

// A part of the contents that a user reads: a text or a picture with no
// control inside it.
bool isReadable(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().trimmed().isEmpty() || !label->pixmap().isNull();
    if (widget->findChild<QWidget *>())
        return false;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget));
    return iface && iface->role() == QAccessible::Graphic && !iface->text(QAccessible::Name).isEmpty();
}

} // namespace

QSize roomOnScreen(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize available = screen->availableGeometry().size();
    return QSize(qMax(1, available.width() - kDecorationWidth), qMax(1, available.height() - kDecorationHeight));
}

void fitWindowToScreen(QWidget *window)
{
    if (QLayout *layout = window->layout())
        layout->activate();
    const QSize room = roomOnScreen(window);
    QSize wanted = openingSize(window);
    if (wanted.width() <= room.width() && wanted.height() <= room.height())
        return;
    const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
    if (minimum.width() > room.width() || minimum.height() > room.height()) {
        moveContentsIntoScrollArea(window);
        wanted = withScrollBarRoom(window, window->sizeHint(), room);
    }
    window->resize(wanted.boundedTo(room));
}

void refitWindowToScreen(QWidget *window, bool growOnly)
{
    if (window->isMaximized() || window->isFullScreen())
        return;
    if (QLayout *layout = window->layout())
        layout->activate();
    const QSize room = roomOnScreen(window);
    QSize wanted = withScrollBarRoom(window, window->sizeHint().expandedTo(window->minimumSize()), room);
    if (growOnly)
        wanted = wanted.expandedTo(window->size());
    wanted = wanted.boundedTo(room);
    if (wanted != window->size())
        window->resize(wanted);
    const QScreen *screen = window->screen();
    if (!screen || !window->isVisible())
        return;
    // A window that grew past the right or bottom edge moves back inside.
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.setSize(frame.size() - window->size() + wanted);
    const QPoint shift(qMax(available.left() - frame.left(), qMin(0, available.right() - frame.right())),
                       qMax(available.top() - frame.top(), qMin(0, available.bottom() - frame.bottom())));
    if (!shift.isNull())
        window->move(window->pos() + shift);
}

ContentScrollArea::ContentScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab: the controls inside are, and the area
    // scrolls to the control that takes the focus.
    setFocusPolicy(Qt::NoFocus);
}

QSize ContentScrollArea::sizeHint() const
{
    const int frame = 2 * frameWidth();
    QSize contents = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSize()) : QSize();
    return contents + QSize(frame, frame);
}

void ContentScrollArea::showControl(const QWidget *control)
{
    const QRect view(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()), viewport()->size());
    const QRect shown = viewShowing(view, placeIn(widget(), control), widget()->size());
    horizontalScrollBar()->setValue(shown.x());
    verticalScrollBar()->setValue(shown.y());
}

bool ContentScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    // Shown, hidden or resized contents change what Tab reaches.
    if (watched == widget() && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize))
        checkReachLater();
    return QScrollArea::eventFilter(watched, event);
}

void ContentScrollArea::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    checkReachLater();
}

void ContentScrollArea::showEvent(QShowEvent *event)
{
    QScrollArea::showEvent(event);
    checkReachLater();
}

// Once the layout has settled.
void ContentScrollArea::checkReachLater()
{
    if (m_checkPending)
        return;
    m_checkPending = true;
    QMetaObject::invokeMethod(this, &ContentScrollArea::checkReach, Qt::QueuedConnection);
}

// Walks the Tab stops of the contents twice round from the top, as the view
// follows them, and finds the texts and pictures that no view of the walk
// shows whole; the largest of them takes Tab from then on.
void ContentScrollArea::checkReach()
{
    m_checkPending = false;
    QWidget *contents = widget();
    if (!contents)
        return;
    QWidget *window = contents->window();
    QList<const QWidget *> stops;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w != m_stop && contents->isAncestorOf(w) && takesTab(w) && w->isVisibleTo(contents))
            stops.append(w);
    QRect view(QPoint(), viewport()->size());
    QRegion shown(view);
    for (int round = 0; round < 2; ++round) {
        for (const QWidget *stop : stops) {
            view = viewShowing(view, placeIn(contents, stop), contents->size());
            shown += view;
        }
    }
    QWidget *stop = nullptr;
    qint64 largest = 0;
    for (QWidget *w : contents->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(contents) || (w != m_stop && takesTab(w)) || !isReadable(w))
            continue;
        const QRect place = placeIn(contents, w);
        const qint64 size = qint64(place.width()) * place.height();
        if (size > largest && !QRegion(place).subtracted(shown).isEmpty()) {
            stop = w;
            largest = size;
        }
    }
    if (stop == m_stop)
        return;
    if (m_stop)
        m_stop->setFocusPolicy(m_stopPolicy);
    m_stop = stop;
    if (m_stop) {
        m_stopPolicy = m_stop->focusPolicy();
        m_stop->setFocusPolicy(Qt::FocusPolicy(m_stopPolicy | Qt::TabFocus));
    }
}

} // namespace corvalen
