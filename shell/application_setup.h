#pragma once

namespace corvalen {

// What the program sets up around its QApplication; the benchmarks and the
// tests do the same, so that they measure and test the program as it runs.

// Before the QApplication: Qt's own event loop, not GLib's. GLib's loop
// makes a system call to wake itself at every posted event, dozens of them
// per opening of a window; nothing in the program needs GLib's loop. A
// choice the user made in the environment stands.
void beforeApplication();

// After the QApplication: the environment as the user gave it again (the
// programs and pages the program opens get it unchanged), and the
// program's style (ShellStyle).
void afterApplication();

} // namespace corvalen
