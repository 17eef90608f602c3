#include "shell/application_setup.h"

#include "shell/shell_style.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace corvalen {
namespace {

bool setEventLoopChoice = false;

// Asks the kernel to map in the whole pages of a block at once (Linux 5.14
// and later); false where it cannot.
bool mapIn(char *block, size_t bytes)
{
#ifndef MADV_POPULATE_WRITE
    constexpr int MADV_POPULATE_WRITE = 23;
#endif
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t begin = (std::uintptr_t(block) + page - 1) / page * page;
    const std::uintptr_t end = (std::uintptr_t(block) + bytes) / page * page;
    return end > begin && madvise(reinterpret_cast<void *>(begin), end - begin, MADV_POPULATE_WRITE) == 0;
}

} // namespace

void keepHeapMemoryReady(long long bytes, HeapReadiness how)
{
    if (bytes <= 0 || bytes > kMaxReadyStoreBytes)
        return;
    auto *block = static_cast<char *>(std::malloc(size_t(bytes)));
    if (!block)
        return;
    if (how != HeapReadiness::MappedIn || !mapIn(block, size_t(bytes))) {
        // Not zeros: a block of zeros may be taken as fresh memory, which
        // is zero already, and never written. Kept from being optimised
        // away.
        std::memset(block, 1, size_t(bytes));
        asm volatile("" : : "r"(block) : "memory");
    }
    std::free(block);
}

void setUpHeap()
{
    mallopt(M_MMAP_THRESHOLD, int(kMaxReadyStoreBytes));
    mallopt(M_TRIM_THRESHOLD, int(2 * kMaxReadyStoreBytes));
    keepHeapMemoryReady(kStartHeapBytes, HeapReadiness::MappedIn);
}

void beforeApplication()
{
    setUpHeap();
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        setEventLoopChoice = qputenv("QT_NO_GLIB", "1");
}

void afterApplication()
{
    if (setEventLoopChoice)
        qunsetenv("QT_NO_GLIB");
    setEventLoopChoice = false;
    QApplication::setStyle(new ShellStyle);
}

} // namespace corvalen
