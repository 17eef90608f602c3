#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace corvalen {

// Hands a web address or a "mailto:" link to the desktop's default handler.
// When the desktop cannot open it (no handler, or the handler fails at
// once), one message names the address so that the user can copy it; with
// xdg-open that message may come a moment after the call has returned.
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
// empty function restores the real behaviour. An opener returns false when
// the target could not be opened.
using UrlOpener = std::function<bool(const QString &)>;
UrlOpener setUrlOpener(UrlOpener opener);
using ProgramStarter = std::function<bool(const QString &program)>;
ProgramStarter setProgramStarter(ProgramStarter starter);

} // namespace corvalen
