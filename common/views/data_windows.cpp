#include "common/views/data_windows.h"

#include "common/files/data_file.h"
#include "common/views/embedded_document_window.h"
#include "common/views/embedded_spreadsheet_window.h"
#include "common/views/picture_reference_window.h"
#include "common/views/rich_text_reference_window.h"
#include "common/forms/tool_registry.h"

#include <QDir>
#include <functional>

namespace corvalen {
namespace {

using ToolFactory = std::function<std::unique_ptr<ToolWindow>()>;

// One kind of window folder: where its files stand and what one file makes.
struct WindowFolder
{
    const char *folder;
    const char *pattern;
    ToolKind kind;
    // The window's name and its factory, from the file at `path`.
    std::function<std::pair<QString, ToolFactory>(const QString &path)> make;
};

std::pair<QString, ToolFactory> tableWindow(const QString &path)
{
    auto table = std::make_shared<const ReferenceTable>(loadBuiltInReferenceTable(path));
    // The pages are placed once, for every instance made for the table.
    auto layouts = std::make_shared<PictureReferenceWindow::PageLayouts>();
    return {table->window, [table, layouts] { return std::make_unique<PictureReferenceWindow>(table, layouts); }};
}

std::pair<QString, ToolFactory> richTextWindow(const QString &path)
{
    auto text = std::make_shared<const RichTextFile>(loadBuiltInRichTextFile(path));
    return {text->window, [text] { return std::make_unique<RichTextReferenceWindow>(text); }};
}

std::pair<QString, ToolFactory> documentWindow(const QString &path)
{
    auto document = std::make_shared<const RichTextFile>(loadBuiltInRichTextFile(path));
    if (document->inLabel)
        stopOnDataFileFault(path
                            + QStringLiteral(": a document shows its text in its box; box: label is for texts only"));
    return {document->window, [document] { return std::make_unique<EmbeddedDocumentWindow>(document); }};
}

std::pair<QString, ToolFactory> sheetWindow(const QString &path)
{
    auto sheet = std::make_shared<const SheetFile>(loadBuiltInSheetFile(path));
    return {sheet->window, [sheet] { return std::make_unique<EmbeddedSpreadsheetWindow>(sheet); }};
}

const WindowFolder kWindowFolders[] = {
    {"tables", "*.table", ToolKind::PictureReference, tableWindow},
    {"sheets", "*.sheet", ToolKind::EmbeddedSpreadsheet, sheetWindow},
    {"docs", "*.text", ToolKind::EmbeddedDocument, documentWindow},
    {"texts", "*.text", ToolKind::RichTextReference, richTextWindow},
};

} // namespace

void registerDataWindows(ToolRegistry &registry, const QString &root)
{
    const QStringList toolboxes = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &toolbox : toolboxes) {
        for (const WindowFolder &kind : kWindowFolders) {
            const QDir folder(root + QLatin1Char('/') + toolbox + QLatin1Char('/') + QLatin1String(kind.folder));
            for (const QString &file : folder.entryList({QLatin1String(kind.pattern)}, QDir::Files, QDir::Name)) {
                auto [name, factory] = kind.make(folder.filePath(file));
                registry.add(ToolInfo{name, toolbox, kind.kind, std::move(factory)});
            }
        }
    }
}

} // namespace corvalen
