#pragma once

// Note files: the stored texts that windows show as they stand (basis notes,
// method and formula texts, coefficient lists written as text), one UTF-8
// file each under data/<toolbox>/notes/. A note is its text exactly, blanks,
// full-width characters and line breaks kept; it is not empty, and its
// lines break with LF or CR LF (a CR alone is a fault).

#include <QString>

namespace corvalen {

// Checks a note's text; throws DataFileFailure on a fault.
QString parseNote(const QString &text);

// The note `file` of data/<toolbox>/notes, read once per run. The notes are
// compiled in: one that cannot be read or is faulty stops the program with
// the file, the line and the reason.
const QString &noteText(const QString &toolbox, const QString &file);

} // namespace corvalen
