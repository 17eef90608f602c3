#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace corvalen {

// One cell of a handbook table. `text` keeps the file's markup: `_{..}`
// subscript, `^{..}` superscript, `\n` line break. A cell covered by a merged
// neighbour has `covered` set and is not drawn; the cell that owns the merge
// carries the spans.
struct ReferenceCell
{
    QString text;
    int rowSpan = 1;
    int colSpan = 1;
    bool covered = false;

    QString plainText() const;
};

using ReferenceRow = QList<ReferenceCell>;

// One picture of a table window: what a handbook page shows, top to bottom.
struct ReferencePage
{
    QString picture;        // objectName of the picture control, e.g. "Picture1"
    QString button;         // caption of the button showing this page; empty for one page
    QStringList headings;   // section headings, left-aligned above the title
    QStringList titles;     // centred title lines
    QStringList units;      // unit lines, right-aligned just above the table
    QString align;          // one of l, c, r per column
    QList<ReferenceRow> header;
    QList<ReferenceRow> body;
    QStringList notes;      // lines under the table
    QStringList sources;    // source lines inside the picture, right-aligned

    int columnCount() const { return align.size(); }
    // The plain text of body cell (row, column); empty for a covered cell.
    QString bodyText(int row, int column) const;
};

struct ReferenceTable
{
    QString window;   // the window's own name, the key of ShowToolWindow
    QString caption;
    QString label;    // source label `Label1` under the picture; may be empty
    QList<ReferencePage> pages;
};

struct ReferenceTableResult
{
    ReferenceTable table;
    QString error;    // "file:line: reason"; empty when the file is sound
    bool ok() const { return error.isEmpty(); }
};

// A stretch of markup set alike: script 0 plain, -1 subscript, +1 superscript.
struct MarkupRun
{
    QString text;
    int script = 0;
};
QList<MarkupRun> referenceMarkupRuns(const QString &markup);

// Text of a markup string without its markup (sub/superscripts inline,
// line breaks as '\n').
QString referencePlainText(const QString &markup);

// Turns the merge markers `<<` (into the left neighbour) and `^^` (into the
// cell above) of consecutive rows into spans; `lines` gives each row's line.
// Every merged block must be a rectangle; a fault throws DataFileFailure.
void resolveDataMerges(QList<ReferenceRow> &rows, const QList<int> &lines, const char *section);

// Parses the text of a table file; `fileName` names it in error messages.
ReferenceTableResult parseReferenceTable(const QString &text, const QString &fileName);
// Reads and parses a table file (a resource path or a file on disk).
ReferenceTableResult loadReferenceTable(const QString &path);
// Reads and parses a table file of the program; a fault stops the program
// with the file, the line and the reason.
ReferenceTable loadBuiltInReferenceTable(const QString &path);

} // namespace corvalen
