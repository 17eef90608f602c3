#pragma once

#include "common/tool_window.h"

#include <QPointer>

class QTextEdit;

namespace corvalen {

// 风险评价之烟团帮助: the notes on using the puff model, set when it loads.
class PuffHelpWindow : public ToolWindow
{
public:
    static QString helpText();

protected:
    void build(QWidget *window) override;
    void load() override;

private:
    QPointer<QTextEdit> m_box;
};

} // namespace corvalen
