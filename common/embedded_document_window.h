#pragma once

#include "common/rich_text.h"
#include "common/tool_window.h"

#include <QPointer>
#include <memory>

class QTextBrowser;

namespace corvalen {

class Form;

// A window showing a stored document (ruled tables, raised and lowered
// runs, a Song-style face with a serif Latin face) in its box OLE1, the whole
// document scrollable and its text always selectable. A document whose file
// names two buttons has the activate/close pair: activated, the text takes
// edits; closed, it is read-only again and keeps them; closing the window
// discards them.
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

protected:
    void build(QWidget *window) override;
    void unload() override;

private:
    std::shared_ptr<const RichTextFile> m_file;
    std::unique_ptr<Form> m_form;
    QPointer<QTextBrowser> m_box;
    bool m_active = false;
};

} // namespace corvalen
