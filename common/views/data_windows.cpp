#include "common/views/data_windows.h"

#include "common/files/reference_table.h"
#include "common/files/rich_text.h"
#include "common/files/sheet_file.h"
#include "common/views/embedded_document_window.h"
#include "common/views/embedded_spreadsheet_window.h"
#include "common/views/picture_reference_window.h"
#include "common/views/rich_text_reference_window.h"

namespace corvalen {

DataWindow tableWindow(const QString &path)
{
    ReferenceTableResult read = loadReferenceTable(path);
    if (!read.ok())
        return {.error = read.error};
    auto table = std::make_shared<const ReferenceTable>(std::move(read.table));
    // The pages are placed once, for every instance made for the table.
    auto layouts = std::make_shared<PictureReferenceWindow::PageLayouts>();
    return {table->window, [table, layouts] { return std::make_unique<PictureReferenceWindow>(table, layouts); }};
}

DataWindow richTextWindow(const QString &path)
{
    RichTextFileResult read = loadRichTextFile(path);
    if (!read.ok())
        return {.error = read.error};
    auto text = std::make_shared<const RichTextFile>(std::move(read.file));
    return {text->window, [text] { return std::make_unique<RichTextReferenceWindow>(text); }};
}

DataWindow documentWindow(const QString &path)
{
    RichTextFileResult read = loadRichTextFile(path);
    if (read.ok() && read.file.inLabel)
        read.error = path + QStringLiteral(": a document shows its text in its box; box: label is for texts only");
    if (!read.ok())
        return {.error = read.error};
    auto document = std::make_shared<const RichTextFile>(std::move(read.file));
    return {document->window, [document] { return std::make_unique<EmbeddedDocumentWindow>(document); }};
}

DataWindow sheetWindow(const QString &path)
{
    SheetFileResult read = loadSheetFile(path);
    if (!read.ok())
        return {.error = read.error};
    auto sheet = std::make_shared<const SheetFile>(std::move(read.file));
    return {sheet->window, [sheet] { return std::make_unique<EmbeddedSpreadsheetWindow>(sheet); }};
}

} // namespace corvalen
