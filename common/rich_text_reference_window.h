#pragma once

#include "common/rich_text.h"
#include "common/tool_window.h"

#include <QPointer>
#include <memory>

class QTextEdit;

namespace corvalen {

class ToolRegistry;

// A window showing a stored rich text in its read-only box RichTextBox1,
// with an optional frame caption and source label, all from a text file.
class RichTextReferenceWindow : public ToolWindow
{
public:
    explicit RichTextReferenceWindow(std::shared_ptr<const RichTextFile> file);
    const RichTextFile &file() const { return *m_file; }

protected:
    void build(QWidget *window) override;

private:
    std::shared_ptr<const RichTextFile> m_file;
};

// Registers every text file of ":/data/<toolbox>/texts/" as a
// RichTextReference window under the name its file gives. A file that
// cannot be read or parsed stops the program with the file, line and reason.
void registerRichTexts(ToolRegistry &registry, const QString &toolbox);

} // namespace corvalen
