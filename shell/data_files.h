#pragma once

// The program's data files, read at start: each kind of file, which its
// folder and name give (the README's data folders), has one row in one
// table, with the parser that reads it and, for the files that describe a
// window wholly, the window it makes. The window files are parsed once, when
// the windows are registered, and the menu tree once, before the first
// paint; every other file is parsed by the check that follows the first
// paint and again by the window that reads it, when that window is built
// (the check keeps nothing of what it parsed).

#include <QString>
#include <QStringList>

namespace corvalen {

class ToolRegistry;

// Registers every window that a data file under `root` describes wholly
// (handbook tables, reference texts, documents, sheets) under the name its
// file gives and in the toolbox of its folder. A file that cannot be read
// or parsed stops the program with the file, the line and the reason.
void registerDataWindows(ToolRegistry &registry, const QString &root = QStringLiteral(":/data"));

// Notes that the file at `path` was read and parsed soundly by the parser
// of its kind (the menu tree, before the first paint): the check does not
// parse it again.
void noteDataFileRead(const QString &path);

// The faults of the data files under `root`, one per faulty file and in
// path order: "file:line: reason", or "file: reason" where no line is at
// fault. A file that no row knows is a fault too, so that none is left
// unchecked. A file read already (registered as a window, or noted) is
// sound, as its reading found it, and is not parsed again.
QStringList dataFileFaults(const QString &root = QStringLiteral(":/data"));

// Checks every data file under `root`; faults stop the program with their
// files, lines and reasons.
void checkDataFiles(const QString &root = QStringLiteral(":/data"));

} // namespace corvalen
