#include "common/forms/tool_window.h"

#include "common/forms/keyboard_access.h"
#include "common/forms/message_box.h"
#include "common/forms/screen_fit.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace corvalen {

ToolWindow::~ToolWindow()
{
    // Widgets exist only with the application; at the very end of a run
    // there is nothing left to delete.
    if (QCoreApplication::instance()) {
        delete m_widget.data();
        delete m_kept.data();
    }
}

QWidget *ToolWindow::buildFrame()
{
    auto *frame = new ToolWindowFrame(this);
    frame->setObjectName(m_name);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    m_widget = frame;
    build(frame);
    load();
    // No window opens larger than the screen.
    fitWindowToScreen(frame);
    prepareWindowAccess(frame);
    return frame;
}

void ToolWindow::show()
{
    if (!m_widget && m_kept) {
        m_widget = m_kept.data();
        m_kept.clear();
        m_widget->setAttribute(Qt::WA_DeleteOnClose);
        restoreDesign();
        m_widget->show();
    } else if (!m_widget) {
        buildFrame()->show();
        m_designSize = m_widget->size();
    } else {
        shownAgain();
        if (m_widget->isMinimized())
            m_widget->showNormal();
        m_widget->show();
    }
    m_widget->raise();
    m_widget->activateWindow();
}

void ToolWindow::warmUp()
{
    if (keepsBuiltWindow()) {
        if (m_widget || m_kept)
            return;
        MessageSink previous = setMessageSink([](const QString &) {});
        QWidget *frame = buildFrame();
        setMessageSink(std::move(previous));
        if (!frame->testAttribute(Qt::WA_Resized))
            frame->adjustSize();
        // Painted as its first opening will show it.
        restoreDesign();
        // Laid out and painted once, here, into a pixmap, instead of at the
        // first opening: its fonts are loaded and its pages placed. Not
        // into the window's own backing store: on X11 that is shared memory
        // held for as long as the window lives, for a window the user may
        // never open.
        frame->grab();
        m_designSize = frame->size();
        m_kept = frame;
        m_widget.clear();
        return;
    }
    // No owner: nothing is told when the frame goes.
    ToolWindowFrame frame(nullptr);
    // Load steps reach their window through widget().
    m_widget = &frame;
    build(&frame);
    {
        // What a load step would say is not for the user here.
        MessageSink previous = setMessageSink([](const QString &) {});
        load();
        setMessageSink(std::move(previous));
    }
    // Sized as show() sizes it, scroll area and all.
    fitWindowToScreen(&frame);
    if (!frame.testAttribute(Qt::WA_Resized))
        frame.adjustSize();
    // Into a pixmap, the format a window's own painting uses.
    frame.grab();
    m_widget.clear();
}

void ToolWindow::close()
{
    if (m_widget)
        m_widget->close();
}

void ToolWindow::frameClosing()
{
    unload();
    if (keepsBuiltWindow() && m_widget) {
        // Hidden, not deleted: the next opening shows it again, at the size
        // it was built with (set while still shown: a hidden window would
        // lay its contents out anew when shown).
        m_widget->setAttribute(Qt::WA_DeleteOnClose, false);
        if (m_designSize.isValid())
            m_widget->resize(m_designSize);
        m_kept = m_widget.data();
    }
    m_widget.clear();
}

ToolWindowFrame::ToolWindowFrame(ToolWindow *owner)
    : QWidget(nullptr, Qt::Window), m_owner(owner)
{
    installKeyboardAccess();
}

void ToolWindowFrame::closeEvent(QCloseEvent *event)
{
    event->accept();
    // The frame deletes itself (WA_DeleteOnClose) after this returns,
    // unless its owner keeps it for the next opening.
    if (m_owner)
        m_owner->frameClosing();
    if (m_owner && m_owner->m_kept != this)
        m_owner = nullptr;
}

void CloseOwnWindow(QWidget *control)
{
    if (control && control->window())
        control->window()->close();
}

} // namespace corvalen
