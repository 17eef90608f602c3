#include "risk/puff_help_window.h"

#include <QStringList>
#include <QTextEdit>
#include <QVBoxLayout>

namespace corvalen {

QString PuffHelpWindow::helpText()
{
    const QStringList lines{
        QStringLiteral("说明："),
        QStringLiteral("    1、风险评价导则上未给出Q的单位；请自行选择，经核实与计算结果浓度C的单位一致，为mg；"),
        QStringLiteral("    2、本计算公式采用的为风评导则中公式7.1请严格按照公式适用范围进行计算；"),
        QStringLiteral("    3、σx在计算中，一般与σy取相等值；"),
        QStringLiteral("    4、网格计算最小结果算至1E-8（0.00000001)，此时再计算也无实际意义，因此低于此值时用1E-8来代替，不再给出计算结果；"),
        QStringLiteral("    5、下风向临界距离计算时，如果距离比较大，超过1000米时，计算速度会变慢，请适度等待，留意窗口底部进度条，如果进度条长时间没有反应，请退出！"),
    };
    return lines.join(u'\n');
}

void PuffHelpWindow::build(QWidget *window)
{
    window->setWindowTitle(QStringLiteral("风险评价之烟团计算帮助说明系统"));
    window->resize(560, 320);
    auto *layout = new QVBoxLayout(window);
    m_box = new QTextEdit(window);
    m_box->setObjectName(QStringLiteral("RichTextBox1"));
    m_box->setAccessibleName(window->windowTitle());
    m_box->setReadOnly(true);
    layout->addWidget(m_box);
}

void PuffHelpWindow::load()
{
    m_box->setPlainText(helpText());
}

} // namespace corvalen
