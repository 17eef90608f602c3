#pragma once

#include "common/forms/tool_window.h"

#include <QString>
#include <functional>
#include <memory>

namespace corvalen {

// A window that a data file describes wholly, read from its file: the
// window's name and what makes an instance; or, when the file cannot be
// read or parsed, `error` ("file:line: reason") and no window.
struct DataWindow
{
    QString name;
    std::function<std::unique_ptr<ToolWindow>()> create;
    QString error;
};

// A handbook table (PictureReferenceWindow).
DataWindow tableWindow(const QString &path);
// A rich text (RichTextReferenceWindow).
DataWindow richTextWindow(const QString &path);
// A document (EmbeddedDocumentWindow); a document shown in a label is a
// fault of its file.
DataWindow documentWindow(const QString &path);
// A sheet (EmbeddedSpreadsheetWindow).
DataWindow sheetWindow(const QString &path);

} // namespace corvalen
