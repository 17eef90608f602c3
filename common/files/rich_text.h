#pragma once

// Rich-text files: the stored texts of the rich-text reference windows
// (data/<toolbox>/texts/*.text) and the documents of the document windows
// (data/<toolbox>/docs/*.text). The README describes the format. QtCore only;
// rich_text_document.h turns a file into a QTextDocument.

#include "common/files/data_file.h"
#include "common/files/reference_table.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace corvalen {

struct RichTextBlock
{
    enum Kind { Paragraph, Title, Table, Rule };  // Rule: a line across the page
    Kind kind = Paragraph;
    QString text;              // a paragraph's or title's markup; blanks kept
    QString align;             // a table's columns: l, c or r each
    QList<ReferenceRow> header;
    QList<ReferenceRow> body;
};

struct RichTextFile
{
    QString window;            // the window's own name, the key of ShowToolWindow
    QString caption;
    QString frame;             // caption of a frame around the text; may be empty
    QString label;             // source label `Label1` under the text; may be empty
    QString heading;           // title label `Label1` over the text, which does not scroll; may be empty
    bool complete = true;      // the file holds its published text whole
    QString notice;            // shown in red over the text while it is not complete
    QSize size;                // the window's size; invalid: fitted to the text
    QStringList buttons;       // documents only: captions of the activate and close buttons
    bool inLabel = false;      // the paragraphs stand in one word-wrapped label `Label1` filling the window
    QList<RichTextBlock> blocks;

    // The text a reader sees, blocks joined by line feeds, table cells by
    // tabs, without markup.
    QString plainText() const;
};

// A piece of rich-text markup: text with its `_{..}` and `^{..}` runs, or a
// formula figure drawn in the line: `@frac{numerator}{denominator}` (a
// fraction with its rule) or `@sum{below}{above}` (a summation sign with its
// limits). The parts of a figure take `_{..}` and `^{..}` too.
struct RichTextPiece
{
    enum Kind { Text, Fraction, Sum };
    Kind kind = Text;
    QString text;    // Text: the markup; Fraction: the numerator; Sum: the limit below
    QString second;  // Fraction: the denominator; Sum: the limit above
};

// The pieces of a markup text; on a malformed figure, `error` says why.
QList<RichTextPiece> richTextPieces(const QString &markup, QString *error = nullptr);
// The markup as plain text: a fraction as "numerator/denominator", a sum as "Σ".
QString richTextPlainText(const QString &markup);

using RichTextFileResult = DataFileResult<RichTextFile>;

RichTextFileResult parseRichTextFile(const QString &text, const QString &fileName);
RichTextFileResult loadRichTextFile(const QString &path);
// Reads and parses a file of the program; a fault stops the program with
// the file, the line and the reason.
RichTextFile loadBuiltInRichTextFile(const QString &path);

} // namespace corvalen
