#pragma once

#include "common/files/rich_text.h"
#include "common/forms/tool_window.h"

#include <QPointer>
#include <memory>

class QTextBrowser;
class QTextDocument;

namespace corvalen {

class Form;

// A window showing a stored document (ruled tables, raised and lowered
// runs, a Song-style face with a serif Latin face) in its box OLE1, the whole
// document scrollable and its text always selectable. A document whose file
// names two buttons has the activate/close pair: activated, the text takes
// edits; closed, it is read-only again and keeps them; closing the window
// discards them. The window is built and laid out once (at the warm-up) and
// hidden on close, so every opening shows it without laying it out again.
class EmbeddedDocumentWindow : public ToolWindow
{
public:
    // A window without a document cannot open it and says so when activated.
    explicit EmbeddedDocumentWindow(std::shared_ptr<const RichTextFile> file);
    ~EmbeddedDocumentWindow() override;
    const RichTextFile *file() const { return m_file.get(); }
    bool isActive() const { return m_active; }

    bool activate();
    void closeObject();
    bool keepsBuiltWindow() const override { return true; }

protected:
    void build(QWidget *window) override;
    void unload() override;
    void restoreDesign() override;

private:
    std::shared_ptr<const RichTextFile> m_file;
    std::unique_ptr<Form> m_form;
    QPointer<QTextBrowser> m_box;
    // The document as stored, laid out once; activation edits a copy of its
    // own, which the window's close discards.
    QPointer<QTextDocument> m_stored;
    QPointer<QTextDocument> m_copy;
    bool m_active = false;
};

} // namespace corvalen
