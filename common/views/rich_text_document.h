#pragma once

#include "common/files/rich_text.h"

#include <QFont>

class QTextDocument;

namespace corvalen {

// The face of a document window: a Song-style face for Chinese with a serif
// face for letters and numbers, 10.5 points.
QFont documentFont();

// Replaces the document's content with the file's blocks: paragraphs as
// stored (blanks kept), titles centred and bold, tables ruled with their
// merged cells, `_{..}` and `^{..}` runs lowered and raised.
void fillTextDocument(QTextDocument *document, const RichTextFile &file);

} // namespace corvalen
