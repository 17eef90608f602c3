#pragma once

#include <QPointer>
#include <QScrollArea>
#include <QSize>

class QWidget;

namespace corvalen {

// The most a top-level window may take on the screen it opens on: the
// screen's available area less an allowance for the window manager's title
// bar and borders, which are not known before the window is mapped.
QSize roomOnScreen(const QWidget *window);

// Makes a top-level window that is about to open fit its screen. A window
// that fits is left as it is. Contents whose smallest size exceeds the room
// move into a scroll area inside the window (every control keeps its
// parent chain under the window, its name and its place among its
// neighbours); then the window takes its preferred size, bounded by the
// room.
void fitWindowToScreen(QWidget *window);

// Gives an open window whose contents changed the size they now ask for,
// bounded by the room on its screen, and keeps it inside the screen's
// available area. With `growOnly` a window that is already larger keeps its
// size. A maximised or full-screen window is left as it is.
void refitWindowToScreen(QWidget *window, bool growOnly = false);

// A scroll area that asks for the whole of its contents (a plain
// QScrollArea asks for a few dozen lines at most) and can shrink to a
// small size, scrolling what no longer fits. A control that takes the focus
// from the keyboard (Tab, a mnemonic, a step) is scrolled into view whole.
// When a walk with Tab leaves a text or picture of the contents out of view,
// the largest such one takes Tab itself, named as it reads, and the arrows,
// PgUp and PgDn on it scroll the contents.
class ContentScrollArea : public QScrollArea
{
public:
    explicit ContentScrollArea(QWidget *parent = nullptr);
    QSize sizeHint() const override;
    // Scrolls the view as little as shows the control whole, with a margin;
    // its beginning when it is larger than the view.
    void showControl(const QWidget *control);
    // The control that takes Tab only to bring the hidden part into reach.
    QWidget *keyboardStop() const { return m_stop; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void checkReachLater();
    void checkReach();

    QPointer<QWidget> m_stop;
    Qt::FocusPolicy m_stopPolicy = Qt::NoFocus;
    bool m_checkPending = false;
};

} // namespace corvalen
