#include "common/forms/form_window.h"

#include "common/forms/controls.h"
#include "common/forms/keyboard_access.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QScopedValueRollback>

namespace corvalen {

FormWindow::FormWindow(FormSpec spec) : m_spec(std::move(spec))
{
    if (m_spec.values)
        keepValues(m_spec.values());
    // A kept window would show what its steps wrote at the next opening.
    if (m_spec.keepBuilt && (!m_spec.steps.empty() || !m_spec.triggers.empty() || m_spec.load || m_spec.values))
        qFatal("form window %s: a kept design has steps or values", qPrintable(m_spec.caption));
    for (const Trigger &trigger : m_spec.triggers) {
        for (const QString &step : trigger.steps) {
            if (!m_spec.steps.count(step))
                qFatal("form window %s: a trigger names the unknown step %s", qPrintable(m_spec.caption),
                       qPrintable(step));
        }
    }
}

void FormWindow::run(const QStringList &steps)
{
    // A step that closes the window ends the trigger: its form is gone, and
    // the steps after it would run on nothing (or on the form of a window
    // opened again in the meantime).
    QWidget *const window = widget();
    const bool outermost = !m_running;
    const QScopedValueRollback running(m_running, true);
    for (const QString &step : steps) {
        if (!m_form || !window || widget() != window)
            return;
        m_spec.steps.at(step)(*m_form);
    }
    // The steps may have changed captions or what the window shows.
    if (outermost && window && widget() == window)
        nameSharedCaptions(window);
}

void FormWindow::build(QWidget *window)
{
    window->setWindowTitle(m_spec.caption);
    m_form = std::make_unique<Form>(window);
    m_form->keepValues(windowValues());
    m_spec.design(*m_form);
    if (m_spec.size.isValid())
        window->resize(m_spec.size);
    // Design-time texts are in place before any trigger is connected, so
    // they never count as changes.
    for (const Trigger &trigger : m_spec.triggers)
        connectTrigger(trigger);
}

void FormWindow::load()
{
    if (m_spec.load)
        m_spec.load(*m_form);
}

void FormWindow::unload()
{
    // A kept window keeps its form with its widgets.
    if (!m_spec.keepBuilt)
        m_form.reset();
}

void FormWindow::restoreDesign()
{
    // Opens scrolled to its beginning, as a newly built window does.
    if (!widget())
        return;
    for (QAbstractScrollArea *area : widget()->findChildren<QAbstractScrollArea *>()) {
        area->horizontalScrollBar()->setValue(0);
        area->verticalScrollBar()->setValue(0);
    }
}

namespace {

const char *eventName(On event)
{
    switch (event) {
    case On::Change: return "Change";
    case On::Click: return "Click";
    case On::DoubleClick: return "DoubleClick";
    case On::Choose: return "Choose";
    case On::Press: return "Press";
    }
    return "?";
}

} // namespace

bool canRaise(const QWidget *control, On event)
{
    switch (event) {
    case On::Change:
        if (auto *list = qobject_cast<const QComboBox *>(control))
            return list->isEditable();  // a list that only offers items has no text of its own
        return qobject_cast<const TextBox *>(control) != nullptr;
    case On::Click:
    case On::DoubleClick:
        // Boxes (one- and multi-line) and labels; a button's click is a
        // press and a list's a choice.
        return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QAbstractScrollArea *>(control)
               || qobject_cast<const QLabel *>(control);
    case On::Choose:
        return qobject_cast<const QComboBox *>(control) != nullptr;
    case On::Press:
        return qobject_cast<const QAbstractButton *>(control) != nullptr;
    }
    return false;
}

void FormWindow::connectTrigger(const Trigger &trigger)
{
    QWidget *window = m_form->window();
    for (const QString &name : trigger.controls) {
        QWidget *control = m_form->find(name);
        if (!control || !canRaise(control, trigger.event))
            qFatal("form window %s: a trigger on %s names %s, which cannot raise it", qPrintable(m_spec.caption),
                   eventName(trigger.event), qPrintable(name));
        const QStringList steps = trigger.steps;
        auto run = [this, steps] { this->run(steps); };
        switch (trigger.event) {
        case On::Change:
            if (auto *box = qobject_cast<TextBox *>(control))
                QObject::connect(box, &TextBox::changed, window, run);
            else if (auto *list = qobject_cast<QComboBox *>(control))
                QObject::connect(list, &QComboBox::editTextChanged, window, run);
            break;
        case On::Click:
            onMouseClick(control, run);
            break;
        case On::DoubleClick:
            // What a double-click opens is an explanation of the box: F1 on
            // the focused box opens it too.
            onDoubleClick(control, run);
            onKey(control, {Qt::Key_F1}, run);
            break;
        case On::Choose:
            if (auto *list = qobject_cast<QComboBox *>(control))
                onChosen(list, window, run);
            break;
        case On::Press:
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                QObject::connect(button, &QAbstractButton::clicked, window, run);
            break;
        }
    }
}

void registerFormWindow(ToolRegistry &registry, const QString &name, const QString &toolbox, ToolKind kind,
                        std::function<FormSpec()> makeSpec)
{
    // The kind is what the tests and the benchmark select windows
    // by; a live and a compute-button calculator are the same class, told
    // apart by their triggers.
    registry.add(ToolInfo{name, toolbox, kind, [makeSpec]() -> std::unique_ptr<ToolWindow> {
                              return std::make_unique<FormWindow>(makeSpec());
                          }});
}

void registerFormWindows(ToolRegistry &registry, const QString &toolbox, std::initializer_list<FormWindowEntry> windows)
{
    for (const FormWindowEntry &window : windows)
        registerFormWindow(registry, window.name, toolbox, window.kind, window.makeSpec);
}

} // namespace corvalen
