#pragma once

// A tool window described by data: its design (a function that fills the
// form), its named steps and a trigger table that says which event runs
// which steps, in order. Compute-button windows trigger on a press, live
// calculators on a change of a box, a click into a result box or the choice
// of a list item; one window may mix both.

#include "common/forms/form.h"
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"
#include "common/forms/tool_registry.h"
#include "common/forms/tool_window.h"
#include "common/numbers/general_value.h"

#include <QSize>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

namespace corvalen {

enum class On {
    Change,       // a box's text changes: a typed character, a paste, a write
    Click,        // a press of the left mouse button into a box
    DoubleClick,  // a double-click into a box, or F1 while it has the focus
    Choose,       // the user chooses an item of a list
    Press,        // a button, option or check box is clicked
};

struct Trigger
{
    On event;
    QStringList controls;  // the controls whose event it is
    QStringList steps;     // the steps it runs, in this order
};

using Step = std::function<void(Form &)>;

struct FormSpec
{
    QString caption;
    std::function<void(Form &)> design;
    std::map<QString, Step> steps;
    std::vector<Trigger> triggers;
    Step load = {};   // the load step, after the design and before showing
    QSize size = {};  // the opening size, where the design's own is too small
    // Makes the window-level values (WindowValues::maker<T>()); each instance
    // calls it once, and the design, the load step and the steps reach the
    // values with Form::values<T>(). Empty: the window keeps none.
    std::function<WindowValues()> values = {};
    // A design that nothing changes (no steps, no load step, no values) and
    // that is costly to lay out: built once at the warm-up, hidden on close
    // and shown again as it was built.
    bool keepBuilt = false;
};

class FormWindow : public ToolWindow
{
public:
    // Each instance gets its own spec and its own window-level values.
    explicit FormWindow(FormSpec spec);

    // The form of the open window; null while it is closed.
    Form *form() const { return m_form.get(); }
    const FormSpec &spec() const { return m_spec; }
    // Runs the named steps, in order (what a trigger does); a step that
    // closes the window ends the run.
    void run(const QStringList &steps);
    bool keepsBuiltWindow() const override { return m_spec.keepBuilt; }

protected:
    void build(QWidget *window) override;
    void load() override;
    void unload() override;
    void restoreDesign() override;

private:
    void connectTrigger(const Trigger &trigger);

    FormSpec m_spec;
    std::unique_ptr<Form> m_form;
    bool m_running = false;  // steps of a trigger are running
};

// An explanation button that opens a window, or that shows a message.
inline Explanation opens(const QString &button, const QString &window)
{
    return {.button = button, .opens = window};
}
inline Explanation says(const QString &button, QStringView message)
{
    return {.button = button, .message = message.toString()};
}

// A result's text through its display pattern: a failed computation (no
// value, or a failed general value) shows what the pattern gives for none.
inline QString patternText(const GeneralValue &value, QStringView pattern)
{
    return ApplyDisplayPattern(value, pattern);
}
inline QString patternText(std::optional<double> value, QStringView pattern)
{
    return PatternOrDot(value, pattern);
}

// A step that writes one result box with its value through the pattern;
// `compute` reads the boxes it needs by control name.
template <class Compute>
Step writes(const QString &box, QStringView pattern, Compute compute)
{
    return [box, pattern, compute](Form &form) {
        form.write(box, patternText(compute([&form](const char *name) { return form.text(QString::fromLatin1(name)); }),
                                    pattern));
    };
}

// The spec of a window described by a toolbox's own record (a caption, its
// steps and triggers): `design` builds the form from the record, which each
// instance keeps a copy of.
template <class Description>
FormSpec describedSpec(const Description &description, void (*design)(Form &, const Description &))
{
    FormSpec spec;
    spec.caption = description.caption;
    spec.design = [description, design](Form &form) { design(form, description); };
    spec.steps = description.steps;
    spec.triggers = description.triggers;
    return spec;
}

// A step that opens (or raises) the tool window of that name.
inline Step showsWindow(const QString &window)
{
    return [window](Form &) { ShowToolWindow(window); };
}

// Whether a trigger on `event` can fire for the control: a change of a text
// box or an editable list, a click into a box or a label, the choice of a
// list item, the press of a button, option or check box.
bool canRaise(const QWidget *control, On event);

// Registers a form window; `makeSpec` gives each new instance its spec.
void registerFormWindow(ToolRegistry &registry, const QString &name, const QString &toolbox, ToolKind kind,
                        std::function<FormSpec()> makeSpec);

// One form window of a toolbox's registration table.
struct FormWindowEntry
{
    QString name;
    ToolKind kind;
    FormSpec (*makeSpec)();
};

// Registers a toolbox's form windows, one entry each, in their order.
void registerFormWindows(ToolRegistry &registry, const QString &toolbox, std::initializer_list<FormWindowEntry> windows);

// Registers one window for each record of a toolbox's table, under the
// record's name; `spec` makes an instance's spec from its record. The table
// lives as long as the program (a function's static).
template <class Record, class MakeSpec>
void registerFormWindows(ToolRegistry &registry, const QString &toolbox, ToolKind kind, const std::vector<Record> &forms,
                         MakeSpec spec)
{
    for (const Record &form : forms)
        registerFormWindow(registry, form.name, toolbox, kind, [&form, spec] { return spec(form); });
}

} // namespace corvalen
