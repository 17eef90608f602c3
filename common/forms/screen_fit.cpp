#include "common/forms/screen_fit.h"

#include <QLayout>
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
    // Not a stop of its own for Tab: the area scrolls to the control that
    // takes the focus.
    setFocusPolicy(Qt::NoFocus);
}

QSize ContentScrollArea::sizeHint() const
{
    const int frame = 2 * frameWidth();
    QSize contents = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSize()) : QSize();
    return contents + QSize(frame, frame);
}

} // namespace corvalen
