#pragma once

#include <QString>
#include <QStringList>

namespace corvalen {

// Reads every data file under `root` and parses it with the parser of its
// kind, which the file's folder and name give (the README's data folders).
// The faults, one per faulty file and in path order, are "file:line:
// reason", or "file: reason" where no line is at fault; a file that no
// parser knows is a fault too, so that none is left unchecked.
QStringList dataFileFaults(const QString &root = QStringLiteral(":/data"));

// Checks every data file of the program; faults stop it with their files,
// lines and reasons.
void checkDataFiles();

} // namespace corvalen
