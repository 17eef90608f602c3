#pragma once

#include "common/files/rich_text.h"
#include "common/forms/tool_window.h"

#include <memory>

class QTextEdit;

namespace corvalen {

class Form;

// A window showing a stored rich text in its read-only box RichTextBox1,
// with an optional frame caption and source label, all from a text file; or,
// where the file asks for it, plain paragraphs in one word-wrapped label.
// The window is built and laid out once and hidden on close.
class RichTextReferenceWindow : public ToolWindow
{
public:
    explicit RichTextReferenceWindow(std::shared_ptr<const RichTextFile> file);
    ~RichTextReferenceWindow() override;
    const RichTextFile &file() const { return *m_file; }
    bool keepsBuiltWindow() const override { return true; }

protected:
    void build(QWidget *window) override;
    void restoreDesign() override;

private:
    std::shared_ptr<const RichTextFile> m_file;
    std::unique_ptr<Form> m_form;
};

} // namespace corvalen
