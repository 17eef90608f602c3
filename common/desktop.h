#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace corvalen {

// Hands a web address or a "mailto:" link to the desktop's default handler.
// The outcome is not examined: a target nobody can open changes nothing.
void OpenWithDefaultHandler(const QString &target);

// Starts the desktop accessory that the original program named by its
// Windows file name ("NOTEPAD.EXE", "calc.exe", "mspaint.exe"): the first
// program of that role found on PATH. When none is found, one message says
// so; the program goes on either way.
void StartAccessory(const QString &windowsProgram);

// Starts the program at `path` without waiting for it; false when it cannot
// start (an empty path never does).
bool StartProgram(const QString &path);

// The Linux programs tried, in order, for a Windows accessory name (matched
// without regard to case); empty for a name of no known role.
QStringList accessoryCandidates(const QString &windowsProgram);

// Tests replace the real desktop calls. Each returns the previous hook; an
// empty function restores the real behaviour.
using UrlOpener = std::function<void(const QString &)>;
UrlOpener setUrlOpener(UrlOpener opener);
using ProgramStarter = std::function<bool(const QString &program)>;
ProgramStarter setProgramStarter(ProgramStarter starter);

} // namespace corvalen
