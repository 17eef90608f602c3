#include "common/controls.h"

#include <QMouseEvent>

namespace corvalen {
namespace {

class MouseFilter : public QObject
{
public:
    MouseFilter(QObject *parent, QEvent::Type type, std::function<void()> handler)
        : QObject(parent), m_type(type), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_handler();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_handler;
};

} // namespace

void onMouseClick(QWidget *widget, std::function<void()> handler)
{
    widget->installEventFilter(new MouseFilter(widget, QEvent::MouseButtonPress, std::move(handler)));
}

void onDoubleClick(QWidget *widget, std::function<void()> handler)
{
    widget->installEventFilter(new MouseFilter(widget, QEvent::MouseButtonDblClick, std::move(handler)));
}

QComboBox *makeList(QWidget *parent, const QString &objectName, bool editable)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    // A combo box selects its first item when items are added to it while
    // empty, unless it has a placeholder; the system's lists start with an
    // empty text until the user chooses.
    box->setPlaceholderText(QStringLiteral(" "));
    box->setCurrentIndex(-1);
    if (editable)
        box->setEditText(QString());
    return box;
}

} // namespace corvalen
