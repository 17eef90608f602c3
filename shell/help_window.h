#pragma once

#include "common/forms/tool_window.h"

#include <QPointer>

class QTextEdit;
class QTreeWidget;

namespace corvalen {

// 帮助内容: the topic tree TreeView1 and the text pane RichTextBox1, which
// shows the selected topic after every mouse click in the tree and whenever
// another node becomes current.
class HelpWindow : public ToolWindow
{
public:
    // The window-level values: the title last read and the pane text last
    // composed.
    struct Values
    {
        QString title;
        QString text;
    };
    HelpWindow() { keepValues(WindowValues::make<Values>()); }

protected:
    void build(QWidget *window) override;
    void load() override;

private:
    void treeClicked();

    QPointer<QTreeWidget> m_tree;
    QPointer<QTextEdit> m_pane;
};

} // namespace corvalen
