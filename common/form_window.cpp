#include "common/form_window.h"

#include "common/controls.h"

#include <QAbstractButton>
#include <QComboBox>

namespace corvalen {

FormWindow::FormWindow(FormSpec spec) : m_spec(std::move(spec))
{
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
    if (!m_form)
        return;
    for (const QString &step : steps)
        m_spec.steps.at(step)(*m_form);
}

void FormWindow::build(QWidget *window)
{
    window->setWindowTitle(m_spec.caption);
    m_form = std::make_unique<Form>(window);
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
    m_form.reset();
}

void FormWindow::connectTrigger(const Trigger &trigger)
{
    QWidget *window = m_form->window();
    for (const QString &name : trigger.controls) {
        QWidget *control = m_form->find(name);
        if (!control)
            qFatal("form window %s: a trigger names the unknown control %s", qPrintable(m_spec.caption),
                   qPrintable(name));
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
            onDoubleClick(control, run);
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
    registry.add(ToolInfo{name, toolbox, kind, [makeSpec, kind]() -> std::unique_ptr<ToolWindow> {
                              if (kind == ToolKind::LiveCalculator)
                                  return std::make_unique<LiveCalculator>(makeSpec());
                              return std::make_unique<FormWindow>(makeSpec());
                          }});
}

} // namespace corvalen
