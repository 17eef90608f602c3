#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace corvalen {

// A grid of value texts over x (one row line per x) and y (one field per y),
// in the text form the model windows hand to their result windows.
struct GridHandOffFile
{
    QVector<double> xValues;
    QVector<double> yValues;
    QStringList valueTexts;  // row by row: xValues.size() * yValues.size()

    // The header line and the row lines, each ended by a lone CR, without the
    // closing CR LF that WriteHandOffFile adds. x and y are written with the
    // default double text.
    QString text() const;
};

// Where the hand-off files live: a private directory of this user (the
// runtime directory, else the application's local data directory), created
// with owner-only permissions. Empty when no such directory can be had.
QString HandOffDirectory();
QString HandOffPath(const QString &fileName);
// Tests point the files elsewhere; an empty text restores the default.
void setHandOffDirectoryOverride(const QString &directory);

// Writes `text` followed by CR LF to the file, whole (through a temporary
// file renamed into place), in UTF-8. A symbolic link or other non-file at
// the file's place is removed, never followed. Returns false when the file
// could not be written; the caller reports that.
bool SaveHandOffFile(const QString &fileName, const QString &text);

// The whole file as text; empty when it is missing, unreadable, or anything
// but a regular file (a symbolic link at its place is not followed).
QString LoadHandOffFile(const QString &fileName);

// Removes the file (or whatever stands at its place); a failure is ignored.
void DeleteHandOffFile(const QString &fileName);

} // namespace corvalen
