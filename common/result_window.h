#pragma once

#include "common/tool_window.h"

#include <QPointer>
#include <QString>

class QPlainTextEdit;

namespace corvalen {
class ToolRegistry;

// The model windows that hand a grid to a result window of their own.
enum class HandOffWriter { PuffModel, RiverModel2, RiverModel6, RiverModel4, RiverModel8 };

// One writer and its result window: the file both use, how the writer turns
// its axes and values into text, and how the window looks.
struct HandOffTarget
{
    HandOffWriter writer;
    QString writerWindow;  // the model window that writes the file
    QString fileName;      // in the hand-off directory
    double xStart;         // first x of the grid
    QString valuePattern;  // display pattern of a value; empty: default single text
    QString resultWindow;  // the result window's name
    QString caption;
    QString toolTip;       // of the text box
    bool framed;           // the box sits in a frame without caption

    QString valueText(double value) const;
};

const HandOffTarget &handOffTarget(HandOffWriter writer);

// Shows the grid its writer left in the hand-off file: reads the file when
// it opens (and again when its writer writes a new grid while it is open),
// deletes it when it closes. One class for every writer, configured by its
// target.
class ResultWindow : public ToolWindow
{
public:
    explicit ResultWindow(HandOffWriter writer);
    const HandOffTarget &target() const { return m_target; }
    // Puts the file's current text into the box of the open window.
    void reload();

protected:
    void build(QWidget *window) override;
    void load() override;
    void unload() override;

private:
    const HandOffTarget &m_target;
    QPointer<QPlainTextEdit> m_box;
};

// Registers the result window of `writer` in `toolbox`.
void registerResultWindow(ToolRegistry &registry, HandOffWriter writer, const QString &toolbox);

} // namespace corvalen
