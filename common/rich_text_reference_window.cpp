#include "common/rich_text_reference_window.h"

#include "common/form.h"
#include "common/rich_text_document.h"
#include "common/tool_registry.h"

#include <QDir>
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
    // Opens at its beginning, nothing selected.
    if (auto *box = m_form->get<QTextEdit>(QStringLiteral("RichTextBox1"))) {
        box->moveCursor(QTextCursor::Start);
        box->verticalScrollBar()->setValue(0);
        box->horizontalScrollBar()->setValue(0);
    }
}

void registerRichTexts(ToolRegistry &registry, const QString &toolbox)
{
    const QString folder = QStringLiteral(":/data/%1/texts").arg(toolbox);
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.text")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        RichTextFileResult result = loadRichTextFile(folder + QLatin1Char('/') + file);
        if (!result.ok())
            qFatal("%s", qPrintable(result.error));
        auto text = std::make_shared<const RichTextFile>(std::move(result.file));
        registry.add(ToolInfo{text->window, toolbox, ToolKind::RichTextReference,
                              [text] { return std::make_unique<RichTextReferenceWindow>(text); }});
    }
}

} // namespace corvalen
