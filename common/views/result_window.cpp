#include "common/views/result_window.h"

#include "common/files/handoff_file.h"
#include "common/forms/message_box.h"
#include "common/forms/tool_registry.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace corvalen {
ResultWindow::ResultWindow(const HandOffTarget &target) : m_target(target)
{
}

void ResultWindow::build(QWidget *window)
{
    window->setWindowTitle(m_target.caption);
    window->resize(720, 480);
    auto *layout = new QVBoxLayout(window);
    QWidget *holder = window;
    if (m_target.framed) {
        auto *frame = new QFrame(window);
        frame->setObjectName(QStringLiteral("Frame1"));
        frame->setFrameShape(QFrame::StyledPanel);
        layout->addWidget(frame);
        holder = frame;
        layout = new QVBoxLayout(frame);
    }
    m_box = new QPlainTextEdit(holder);
    m_box->setObjectName(QStringLiteral("RichTextBox1"));
    m_box->setAccessibleName(m_target.caption);
    m_box->setToolTip(m_target.toolTip);
    // The grid is for copying: rows stay whole lines, and the numbers cannot
    // be changed by a stray key before they are copied.
    m_box->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_box->setReadOnly(true);
    m_box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_box);
}

void ResultWindow::load()
{
    reload();
}

void ResultWindow::shownAgain()
{
    reload();
}

void ResultWindow::reload()
{
    if (m_box)
        m_box->setPlainText(LoadHandOffFile(m_target.fileName));
}

void ResultWindow::unload()
{
    DeleteHandOffFile(m_target.fileName);
}

void registerResultWindow(ToolRegistry &registry, const HandOffTarget &target, const QString &toolbox)
{
    registry.add(ToolInfo{target.resultWindow, toolbox, ToolKind::Result,
                          [&target] { return std::make_unique<ResultWindow>(target); }});
}

bool WriteHandOffFile(const HandOffTarget &target, const QString &text)
{
    if (!SaveHandOffFile(target.fileName, text)) {
        const QString path = HandOffPath(target.fileName);
        showMessage(QStringLiteral("网格计算结果未能保存：无法写入结果文件“%1”，本次结果不能显示！")
                        .arg(path.isEmpty() ? target.fileName : path));
        return false;
    }
    ShowToolWindow(target.resultWindow);
    return true;
}

} // namespace corvalen
