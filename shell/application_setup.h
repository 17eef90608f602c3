#pragma once

namespace corvalen {

// What the program sets up around its QApplication; the benchmarks do the
// same, so that they measure the program as it runs.

// The most memory the warm-up leaves mapped in for the next window's
// backing store; a larger block would not come from the heap.
inline constexpr long long kMaxReadyStoreBytes = 16ll << 20;

// The heap memory the program uses up to its main window's first show, and
// a little more.
inline constexpr long long kStartHeapBytes = 3ll << 20;

// How keepHeapMemoryReady() readies its block.
enum class HeapReadiness {
    // Mapped in by the kernel at once. Memory a process has not used yet
    // is otherwise mapped in page by page as it is first written; on the
    // virtual machines measured each page cost about 10 µs, and mapping a
    // whole block in a tenth of that.
    MappedIn,
    // Written by the program, page by page. A window's backing store made
    // from a written block painted faster at its first opening than one
    // made from a block mapped in at once (by about 4 ms for the largest
    // windows, measured; the page faults were as few either way, and the
    // cause was not found).
    Written,
};

// Readies a block of `bytes` (at most kMaxReadyStoreBytes) at the top of
// the heap and leaves it free there, for the allocations that follow.
void keepHeapMemoryReady(long long bytes, HeapReadiness how);

// Large blocks (a window's backing store) come from the heap, and freed
// memory stays there for reuse up to a bound, so that the store of a
// window just closed is the next window's, already mapped in; the memory
// of the start is mapped in at once.
void setUpHeap();

// Before the QApplication: setUpHeap(), then Qt's own event loop, not
// GLib's. GLib's loop makes a system call to wake itself at every posted
// event, dozens of them per opening of a window; nothing in the program
// needs GLib's loop. A choice the user made in the environment stands.
void beforeApplication();

// After the QApplication: the environment as the user gave it again (the
// programs and pages the program opens get it unchanged), and the
// program's style (ShellStyle).
void afterApplication();

} // namespace corvalen
