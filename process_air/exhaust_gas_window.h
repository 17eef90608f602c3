#pragma once

#include "common/tool_window.h"
#include "process_air/exhaust_gas_forms.h"

#include <QList>

class QLineEdit;

namespace corvalen {

// One exhaust-gas calculator window, built from its form: input boxes with
// the numeric key filter and select-all, the basis note, the button "计算"
// (`Command2`) and the result box `Text6`. The calculator, and so the
// window-level values, live as long as the instance: zero at the first
// opening in a run, kept across a close and a reopening.
class ExhaustGasWindow : public ToolWindow
{
public:
    explicit ExhaustGasWindow(const ExhaustGasForm &form);

protected:
    void build(QWidget *window) override;

private:
    void compute();

    const ExhaustGasForm &m_form;
    ExhaustGasPress m_press;
    QList<QLineEdit *> m_inputs;  // in the form's order
    QLineEdit *m_result = nullptr;
};

} // namespace corvalen
