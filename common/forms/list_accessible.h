#pragma once

class QAccessibleInterface;
class QComboBox;

namespace corvalen {

// A list as screen readers see it: its name is its label (or the name the
// window gives it) whatever item is chosen; the chosen item, or the typed
// text of an editable list, is its value. Qt's own interface on this
// platform reads the chosen item as the name, so a list lost its label at
// the first choice.
QAccessibleInterface *makeListAccessible(QComboBox *list);

} // namespace corvalen
