#pragma once

#include <QString>

namespace corvalen {

class ToolRegistry;

// Registers every window that a data file describes wholly, from one scan of
// the toolbox folders of `root`, each under the window name its file gives
// and in the toolbox of its folder:
//   <toolbox>/tables/*.table   handbook tables (PictureReferenceWindow)
//   <toolbox>/texts/*.text     rich texts (RichTextReferenceWindow)
//   <toolbox>/docs/*.text      documents (EmbeddedDocumentWindow)
//   <toolbox>/sheets/*.sheet   sheets (EmbeddedSpreadsheetWindow)
// A file that cannot be read or parsed stops the program with the file, the
// line and the reason.
void registerDataWindows(ToolRegistry &registry, const QString &root = QStringLiteral(":/data"));

} // namespace corvalen
