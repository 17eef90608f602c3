#pragma once

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <functional>
#include <initializer_list>

namespace corvalen {

// Event conventions shared by all tool windows:
//  - a text box's change fires on every typed character and on every change
//    made by code (QLineEdit::textChanged); a window sets its design-time
//    texts before it connects, so they never count as changes;
//  - a list's "click" is an item being chosen by the user, never a typed text
//    (onChosen);
//  - a click or double-click into a text box can be an event of its own
//    (onMouseClick, onDoubleClick);
//  - writing a result box starts nothing, unless a window connects it.

// Runs `handler` when the user presses the left mouse button in `widget`.
void onMouseClick(QWidget *widget, std::function<void()> handler);
// Runs `handler` on a double-click into `widget`.
void onDoubleClick(QWidget *widget, std::function<void()> handler);
// Runs `handler` instead of what the key would do when one of `keys` is
// pressed while `widget` has the focus.
void onKey(QWidget *widget, std::initializer_list<int> keys, std::function<void()> handler);

// Runs `handler(index)` when the user chooses an item of the list.
template <class F>
void onChosen(QComboBox *box, QObject *context, F handler)
{
    QObject::connect(box, &QComboBox::activated, context, handler);
}

template <class F>
void onChanged(QLineEdit *box, QObject *context, F handler)
{
    QObject::connect(box, &QLineEdit::textChanged, context, handler);
}

// An editable drop-down that starts with an empty text (the system's lists);
// pass editable = false for a list that only offers its items.
QComboBox *makeList(QWidget *parent, const QString &objectName, bool editable = true);

// Adds the items to the list and leaves none of them chosen: the system's
// lists show an empty text until the user chooses.
void fillList(QComboBox *list, const QStringList &items);

} // namespace corvalen
