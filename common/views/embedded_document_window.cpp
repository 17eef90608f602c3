#include "common/views/embedded_document_window.h"

#include "common/views/embedded_object.h"
#include "common/forms/form.h"
#include "common/views/rich_text_document.h"

#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <memory>

namespace corvalen {

EmbeddedDocumentWindow::EmbeddedDocumentWindow(std::shared_ptr<const RichTextFile> file)
    : m_file(std::move(file))
{
}

EmbeddedDocumentWindow::~EmbeddedDocumentWindow() = default;

void EmbeddedDocumentWindow::build(QWidget *window)
{
    m_active = false;
    window->setWindowTitle(m_file ? m_file->caption : QString());
    m_form = std::make_unique<Form>(window);
    Panel &top = m_form->top();
    if (m_file && !m_file->heading.isEmpty())
        top.title(QStringLiteral("Label1"), m_file->heading);
    if (m_file && !m_file->complete)
        addNotice(top, m_file->notice);
    m_box = new QTextBrowser(window);
    m_box->setObjectName(QStringLiteral("OLE1"));
    m_box->setAccessibleName(window->windowTitle());
    m_box->setReadOnly(true);
    m_box->setOpenLinks(false);
    // The widget's font becomes the document's default face; set on the
    // document alone, the first polish would replace it.
    m_box->setFont(documentFont());
    // Owned by the window, not the box: the box lets go of it while an
    // activation shows the copy.
    m_stored = new QTextDocument(window);
    m_box->setDocument(m_stored);
    m_stored->setDefaultFont(documentFont());
    if (m_file)
        fillTextDocument(m_stored, *m_file);
    // A document opens at its beginning.
    m_box->moveCursor(QTextCursor::Start);
    top.place(m_box);

    if (!m_file || !m_file->buttons.isEmpty()) {
        EmbeddedObjectTexts texts = documentObjectTexts();
        if (m_file) {
            texts.activate = m_file->buttons.at(0);
            texts.close = m_file->buttons.at(1);
        }
        addEmbeddedObjectButtons(top, texts, [this] { return activate(); }, [this] { closeObject(); });
    }

    m_box->moveCursor(QTextCursor::Start);

    // The window opens as large as the document, within the screen: the
    // document's natural width (tables unwrapped), then its height at that width.
    // The width is measured on a document of its own, laid out unbounded.
    auto probe = std::make_unique<QTextDocument>();
    probe->setDefaultFont(documentFont());
    if (m_file)
        fillTextDocument(probe.get(), *m_file);
    probe->setTextWidth(2000);
    const qreal width = probe->idealWidth() + 2 * probe->documentMargin();
    probe->setTextWidth(width);
    const int frame = 2 * m_box->frameWidth() + m_box->verticalScrollBar()->sizeHint().width();
    const QSize content(int(width) + frame, int(probe->size().height()) + frame);
    const QSize screen = window->screen() ? window->screen()->availableSize() * 9 / 10 : QSize(1000, 700);
    m_box->setMinimumSize(content.boundedTo(screen - QSize(20, 80)).expandedTo(QSize(200, 100)));
}

void EmbeddedDocumentWindow::unload()
{
    // The edits go with the copy; the stored document, still laid out,
    // serves the next opening.
    m_active = false;
    if (m_copy && m_box) {
        m_box->setDocument(m_stored);
        delete m_copy.data();
    }
    if (m_box)
        m_box->setReadOnly(true);
}

void EmbeddedDocumentWindow::restoreDesign()
{
    if (!m_box)
        return;
    // Opens at its beginning, nothing selected.
    m_box->moveCursor(QTextCursor::Start);
    m_box->verticalScrollBar()->setValue(0);
    m_box->horizontalScrollBar()->setValue(0);
}

bool EmbeddedDocumentWindow::activate()
{
    if (!m_file || !m_box)
        return false;
    if (!m_copy) {
        // The place in the text stays where the user was reading.
        const int scrolled = m_box->verticalScrollBar()->value();
        m_copy = new QTextDocument(m_box->window());
        m_box->setDocument(m_copy);
        m_copy->setDefaultFont(documentFont());
        fillTextDocument(m_copy, *m_file);
        m_box->verticalScrollBar()->setValue(scrolled);
    }
    m_active = true;
    m_box->setReadOnly(false);
    m_box->setFocus();
    return true;
}

void EmbeddedDocumentWindow::closeObject()
{
    if (!m_active || !m_box)
        return;
    m_active = false;
    m_box->setReadOnly(true);
}

} // namespace corvalen
