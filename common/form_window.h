#pragma once

// A tool window described by data: its design (a function that fills the
// form), its named steps and a trigger table that says which event runs
// which steps, in order. Compute-button windows trigger on a press, live
// calculators on a change of a box, a click into a result box or the choice
// of a list item; one window may mix both.

#include "common/form.h"
#include "common/tool_registry.h"
#include "common/tool_window.h"

#include <QSize>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace corvalen {

enum class On {
    Change,       // a box's text changes: a typed character, a paste, a write
    Click,        // a press of the left mouse button into a box
    DoubleClick,  // a double-click into a box
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
};

class FormWindow : public ToolWindow
{
public:
    // Each instance gets its own spec: state that its steps capture lives
    // as long as the instance, as window-level values do.
    explicit FormWindow(FormSpec spec);

    // The form of the open window; null while it is closed.
    Form *form() const { return m_form.get(); }
    const FormSpec &spec() const { return m_spec; }
    // Runs the named steps, in order (what a trigger does).
    void run(const QStringList &steps);

protected:
    void build(QWidget *window) override;
    void load() override;
    void unload() override;

private:
    void connectTrigger(const Trigger &trigger);

    FormSpec m_spec;
    std::unique_ptr<Form> m_form;
};

// The live calculator kind: a form window whose triggers are changes,
// clicks into result boxes and list choices.
class LiveCalculator : public FormWindow
{
public:
    using FormWindow::FormWindow;
};

// Registers a form window; `makeSpec` gives each new instance its spec.
void registerFormWindow(ToolRegistry &registry, const QString &name, const QString &toolbox, ToolKind kind,
                        std::function<FormSpec()> makeSpec);

} // namespace corvalen
