#include "fugitive/result_emphasis_window.h"

#include <QLabel>
#include <QLineEdit>

namespace corvalen {
namespace {

// The label whose buddy is `box`.
QLabel *labelOf(QLineEdit *box)
{
    for (QLabel *label : box->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == box)
            return label;
    }
    return nullptr;
}

void emphasise(QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSize(9);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, kResultGreen);
    palette.setColor(QPalette::WindowText, kResultGreen);
    widget->setPalette(palette);
}

} // namespace

void emphasiseResult(QLineEdit *box)
{
    emphasise(box);
    if (QLabel *label = labelOf(box))
        emphasise(label);
}

} // namespace corvalen
