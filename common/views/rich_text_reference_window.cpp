#include "common/views/rich_text_reference_window.h"

#include "common/forms/form.h"
#include "common/views/rich_text_document.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextEdit>
#include <optional>

namespace corvalen {

namespace {

const QSize kDefaultSize(600, 400);

} // namespace

RichTextReferenceWindow::RichTextReferenceWindow(std::shared_ptr<const RichTextFile> file)
    : m_file(std::move(file))
{
}

RichTextReferenceWindow::~RichTextReferenceWindow() = default;

void RichTextReferenceWindow::build(QWidget *window)
{
    window->setWindowTitle(m_file->caption);
    window->resize(m_file->size.isValid() ? m_file->size : kDefaultSize);
    m_form = std::make_unique<Form>(window);
    Panel &top = m_form->top();
    // Title and notice stand over the text, so that scrolling never hides them.
    if (!m_file->heading.isEmpty())
        top.title(QStringLiteral("Label1"), m_file->heading);
    if (!m_file->complete)
        addNotice(top, m_file->notice);
    if (m_file->inLabel) {
        // A note that is only read: one label filling the window, wrapped.
        QLabel *label = top.label(QStringLiteral("Label1"), m_file->plainText());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        return;
    }
    // Without a frame the box is a row of the window itself, so the label
    // goes under it rather than over it.
    std::optional<Panel> framed;
    if (!m_file->frame.isEmpty())
        framed = top.frame(QStringLiteral("Frame1"), m_file->frame);
    Panel &frame = framed ? *framed : top;
    auto *box = new QTextEdit(frame.container());
    box->setObjectName(QStringLiteral("RichTextBox1"));
    box->setAccessibleName(m_file->frame.isEmpty() ? m_file->caption : m_file->frame);
    box->setReadOnly(true);
    fillTextDocument(box->document(), *m_file);
    // A reference text opens at its beginning.
    box->moveCursor(QTextCursor::Start);
    frame.place(box);
    if (!m_file->label.isEmpty())
        top.label(QStringLiteral("Label1"), m_file->label)->setWordWrap(true);
}

void RichTextReferenceWindow::restoreDesign()
{
    // Opens at its beginning, nothing selected; a note shown in a label has
    // no box.
    if (auto *box = widget() ? widget()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1")) : nullptr) {
        box->moveCursor(QTextCursor::Start);
        box->verticalScrollBar()->setValue(0);
        box->horizontalScrollBar()->setValue(0);
    }
}

} // namespace corvalen
