#pragma once

namespace corvalen {

// What the program sets up around its QApplication; the benchmarks do the
// same, so that they measure the program as it runs.

// The most memory the warm-up leaves mapped in for the next window's
// backing store; a larger block would not come from the heap.
inline constexpr long long kMaxReadyStoreBytes = 16ll << 20;

// Before the QApplication: large blocks (a window's backing store) come
// from the heap, and freed memory stays there for reuse up to a bound, so
// that the store of a window just closed is the next window's, already
// mapped in. Then Qt's own event loop, not GLib's. GLib's loop
// makes a system call to wake itself at every posted event, dozens of them
// per opening of a window; nothing in the program needs GLib's loop. A
// choice the user made in the environment stands.
void beforeApplication();

// After the QApplication: the environment as the user gave it again (the
// programs and pages the program opens get it unchanged), and the
// program's style (ShellStyle).
void afterApplication();

} // namespace corvalen
