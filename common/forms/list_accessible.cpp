#include "common/forms/list_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace corvalen {
namespace {

// Children, actions and value as Qt's own list interface has them: the
// drop-down, then the edit part of an editable list.
class ListAccessible : public QAccessibleWidget
{
public:
    explicit ListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!list()->isEditable())
            return nullptr;
        const QPoint at = list()->lineEdit()->mapFromGlobal(QPoint(x, y));
        return list()->lineEdit()->rect().contains(at) ? child(1) : nullptr;
    }

    // The edit part never has the focus itself (the list is its proxy), but
    // it is what the user types into.
    QAccessibleInterface *focusChild() const override { return list()->isEditable() ? child(1) : nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

} // namespace

QAccessibleInterface *makeListAccessible(QComboBox *list)
{
    return new ListAccessible(list);
}

} // namespace corvalen
