#pragma once

#include "common/forms/tool_window.h"

#include <QPointer>
#include <QString>

class QPlainTextEdit;

namespace corvalen {
class ToolRegistry;

// A result window and the hand-off file it shows: each model toolbox
// describes its own and registers it with registerResultWindow.
struct HandOffTarget
{
    QString fileName;      // in the hand-off directory
    QString resultWindow;  // the result window's name
    QString caption;
    QString toolTip;       // of the text box
    bool framed = false;   // the box sits in a frame without caption
};

// Shows the grid its writer left in the hand-off file: reads the file when
// it opens, and again when it is shown again while open (its writer wrote a
// new grid); deletes the file when it closes. One class for every writer.
class ResultWindow : public ToolWindow
{
public:
    explicit ResultWindow(const HandOffTarget &target);
    const HandOffTarget &target() const { return m_target; }

protected:
    void build(QWidget *window) override;
    void load() override;
    void shownAgain() override;
    void unload() override;

private:
    void reload();

    const HandOffTarget &m_target;
    QPointer<QPlainTextEdit> m_box;
};

// Registers the result window of `target`, which must live for the run.
void registerResultWindow(ToolRegistry &registry, const HandOffTarget &target, const QString &toolbox);

// Writes the file and shows its result window (built and loaded when it is
// closed, reloaded and brought forward when it is open). When the file
// cannot be written, one message says so and the result window is not shown.
bool WriteHandOffFile(const HandOffTarget &target, const QString &text);

} // namespace corvalen
