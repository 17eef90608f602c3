#include "common/forms/controls.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSet>

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

class KeyFilter : public QObject
{
public:
    KeyFilter(QObject *parent, std::initializer_list<int> keys, std::function<void()> handler)
        : QObject(parent), m_keys(keys), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_keys.contains(static_cast<QKeyEvent *>(event)->key()))
            return false;
        m_handler();
        return true;
    }

private:
    QSet<int> m_keys;
    std::function<void()> m_handler;
};

// The widget that receives the mouse: a multi-line box gets its clicks on
// the area inside its frame, not on the box itself.
QWidget *mouseTarget(QWidget *widget)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        return area->viewport();
    return widget;
}

} // namespace

void onMouseClick(QWidget *widget, std::function<void()> handler)
{
    mouseTarget(widget)->installEventFilter(
        new MouseFilter(widget, QEvent::MouseButtonPress, std::move(handler)));
}

void onDoubleClick(QWidget *widget, std::function<void()> handler)
{
    mouseTarget(widget)->installEventFilter(
        new MouseFilter(widget, QEvent::MouseButtonDblClick, std::move(handler)));
}

void onKey(QWidget *widget, std::initializer_list<int> keys, std::function<void()> handler)
{
    widget->installEventFilter(new KeyFilter(widget, keys, std::move(handler)));
}

QComboBox *makeList(QWidget *parent, const QString &objectName, bool editable)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    if (editable) {
        // What setEditable(true) does, less building the popup list first:
        // the list is built when it is first needed, with the scroll bar of
        // an editable list.
        auto *edit = new QLineEdit(box);
        edit->setPalette(box->palette());
        box->setLineEdit(edit);
    }
    box->setInsertPolicy(QComboBox::NoInsert);
    // A combo box selects its first item when items are added to it while
    // empty, unless it has a placeholder; the system's lists start with an
    // empty text until the user chooses.
    box->setPlaceholderText(QStringLiteral(" "));
    box->setCurrentIndex(-1);
    if (editable) {
        box->setEditText(QString());
        // A typed text stays as typed: no completion to an item (which
        // would also ignore case), and neither Enter nor leaving the box
        // turns a text equal to an item into a choice. Only choosing an
        // item is the list's click.
        box->setCompleter(nullptr);
        QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    }
    return box;
}

void fillList(QComboBox *list, const QStringList &items)
{
    list->addItems(items);
    list->setCurrentIndex(-1);
}

} // namespace corvalen
