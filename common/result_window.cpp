#include "common/result_window.h"

#include "common/handoff_file.h"
#include "common/number_text.h"
#include "common/tool_registry.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <array>

namespace corvalen {
namespace {

const QString kRiverToolTip =
    QStringLiteral("数据可以复制到文字处理软件中，后在文字处理软件采用文字转换为表格的方式获得规范数据表格！");

// The five writers of grid files. The puff model writes its rounded single
// values; the river models write through a display pattern, with x from 10.
const std::array<HandOffTarget, 5> &targets()
{
    static const std::array<HandOffTarget, 5> table{{
        {HandOffWriter::PuffModel, QStringLiteral("风险评价之烟团模式"),
         QStringLiteral("风险评价计算结果.txt"), 0, QString(),
         QStringLiteral("风险评价烟团之网格计算结果"), QStringLiteral("风险评价之烟团模式网格计算结果"),
         QStringLiteral("此计算结果可以复制到文字处理软件中,采用文字转换为表格的形式得到规范数据表!"), true},
        {HandOffWriter::RiverModel2, QStringLiteral("二维稳态混合模式_河2"),
         QStringLiteral("河二模式计算结果.txt"), 10, QStringLiteral("####0.0000"),
         QStringLiteral("河二模式计算结果"), QStringLiteral("河二模式计算结果"), kRiverToolTip, false},
        {HandOffWriter::RiverModel6, QStringLiteral("二维稳态混合衰减模式_河6"),
         QStringLiteral("河六模式计算结果.txt"), 10, QStringLiteral("####0.0000"),
         QStringLiteral("河6模式计算结果"), QStringLiteral("河6模式计算结果"), kRiverToolTip, false},
        {HandOffWriter::RiverModel4, QStringLiteral("稳态累积流量模式_河4"),
         QStringLiteral("河四模式计算结果.txt"), 10, QStringLiteral("####.####"),
         QStringLiteral("河四模式计算结果"), QStringLiteral("河四计算结果"), kRiverToolTip, false},
        {HandOffWriter::RiverModel8, QStringLiteral("稳态混合衰减累积流量模式_河8"),
         QStringLiteral("河八模式计算结果.txt"), 10, QStringLiteral("####.####"),
         QStringLiteral("河八模式计算结果"), QStringLiteral("河八模式计算结果"), kRiverToolTip, false},
    }};
    return table;
}

} // namespace

QString HandOffTarget::valueText(double value) const
{
    return valuePattern.isEmpty() ? SingleText(static_cast<float>(value))
                                  : ApplyDisplayPattern(value, valuePattern);
}

const HandOffTarget &handOffTarget(HandOffWriter writer)
{
    for (const HandOffTarget &target : targets()) {
        if (target.writer == writer)
            return target;
    }
    qFatal("hand-off writer without a target");
}

ResultWindow::ResultWindow(HandOffWriter writer) : m_target(handOffTarget(writer))
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

void ResultWindow::reload()
{
    if (m_box)
        m_box->setPlainText(LoadHandOffFile(m_target.fileName));
}

void ResultWindow::unload()
{
    DeleteHandOffFile(m_target.fileName);
}

void registerResultWindow(ToolRegistry &registry, HandOffWriter writer, const QString &toolbox)
{
    const HandOffTarget &target = handOffTarget(writer);
    registry.add(ToolInfo{target.resultWindow, toolbox, ToolKind::Result,
                          [writer] { return std::make_unique<ResultWindow>(writer); }});
}

} // namespace corvalen
