#pragma once

// The handbook pictures of the solid-waste windows (formulas, definitions,
// slag lists), drawn from rich-text files under data/solid_waste/formulas/.

#include <QString>

class QTextEdit;

namespace corvalen {

class Panel;
class ToolRegistry;

// A read-only picture named `name`, as large as its text, showing the file
// ":/data/solid_waste/formulas/<file>". A file that cannot be read or
// parsed stops the program with the file, line and reason.
QTextEdit *formulaPicture(Panel &panel, const QString &name, const QString &file);

// The picture windows: the slag formulas, the definition of Cfh and the
// source of the sewage sludge formula.
void registerFormulaPictureWindows(ToolRegistry &registry);

} // namespace corvalen
