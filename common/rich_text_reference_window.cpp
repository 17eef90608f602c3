#include "common/rich_text_reference_window.h"

#include "common/rich_text_document.h"
#include "common/tool_registry.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

namespace corvalen {

namespace {

const QSize kDefaultSize(600, 400);

} // namespace

RichTextReferenceWindow::RichTextReferenceWindow(std::shared_ptr<const RichTextFile> file)
    : m_file(std::move(file))
{
}

void RichTextReferenceWindow::build(QWidget *window)
{
    window->setWindowTitle(m_file->caption);
    window->resize(m_file->size.isValid() ? m_file->size : kDefaultSize);
    auto *layout = new QVBoxLayout(window);
    QWidget *holder = window;
    QVBoxLayout *inner = layout;
    if (!m_file->frame.isEmpty()) {
        auto *frame = new QGroupBox(m_file->frame, window);
        frame->setObjectName(QStringLiteral("Frame1"));
        inner = new QVBoxLayout(frame);
        layout->addWidget(frame);
        holder = frame;
    }
    auto *box = new QTextEdit(holder);
    box->setObjectName(QStringLiteral("RichTextBox1"));
    box->setAccessibleName(m_file->frame.isEmpty() ? m_file->caption : m_file->frame);
    box->setReadOnly(true);
    fillTextDocument(box->document(), *m_file);
    inner->addWidget(box);
    if (!m_file->label.isEmpty()) {
        auto *label = new QLabel(m_file->label, window);
        label->setObjectName(QStringLiteral("Label1"));
        label->setWordWrap(true);
        layout->addWidget(label);
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
