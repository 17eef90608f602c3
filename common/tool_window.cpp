#include "common/tool_window.h"

#include "common/keyboard_access.h"
#include "common/message_box.h"
#include "common/screen_fit.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace corvalen {

ToolWindow::~ToolWindow()
{
    // Widgets exist only with the application; at the very end of a run
    // there is nothing left to delete.
    if (QCoreApplication::instance())
        delete m_widget.data();
}

void ToolWindow::show()
{
    if (!m_widget) {
        auto *frame = new ToolWindowFrame(this);
        frame->setObjectName(m_name);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        m_widget = frame;
        build(frame);
        load();
        // No window opens larger than the screen.
        fitWindowToScreen(frame);
        prepareWindowAccess(frame);
        frame->show();
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
    // The frame deletes itself (WA_DeleteOnClose) after this returns.
    if (m_owner)
        m_owner->frameClosing();
    m_owner = nullptr;
}

void CloseOwnWindow(QWidget *control)
{
    if (control && control->window())
        control->window()->close();
}

} // namespace corvalen
