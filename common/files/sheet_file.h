#pragma once

// Sheet files: the stored workbook of one EmbeddedSpreadsheetWindow,
// data/<toolbox>/sheets/*.sheet. The README describes the format.

#include "common/files/data_file.h"
#include "common/files/sheet.h"

#include <QString>

namespace corvalen {

struct SheetFile
{
    QString window;     // the window's own name, the key of ShowToolWindow
    QString caption;
    QString title;      // the title label above the sheet; may be empty
    QString worksheet;  // the worksheet's name
    Sheet sheet;        // as stored, its formulas evaluated
};

using SheetFileResult = DataFileResult<SheetFile>;

// Parses the text of a sheet file; `fileName` names it in error messages.
SheetFileResult parseSheetFile(const QString &text, const QString &fileName);
// Reads and parses a sheet file (a resource path or a file on disk).
SheetFileResult loadSheetFile(const QString &path);

} // namespace corvalen
