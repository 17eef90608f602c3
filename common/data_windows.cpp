#include "common/data_windows.h"

#include "common/embedded_document_window.h"
#include "common/embedded_spreadsheet_window.h"
#include "common/rich_text_reference_window.h"

#include <QDir>

namespace corvalen {

void registerDataWindows(ToolRegistry &registry)
{
    const QStringList toolboxes = QDir(QStringLiteral(":/data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &toolbox : toolboxes) {
        registerSpreadsheets(registry, toolbox);
        registerDocuments(registry, toolbox);
        registerRichTexts(registry, toolbox);
    }
}

} // namespace corvalen
