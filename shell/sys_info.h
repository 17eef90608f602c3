#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace corvalen {
class RegistryReader;

namespace sysinfo {
// Where the system-information program is registered: first the full path
// of the program, else the folder that holds MSINFO32.EXE.
inline const QString programKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString programValue = QStringLiteral("PATH");
inline const QString folderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString folderValue = QStringLiteral("MSINFO");
inline const QString programFile = QStringLiteral("\\MSINFO32.EXE");
inline const QString unavailable = QStringLiteral("此时系统信息不可用");
} // namespace sysinfo

// What StartSysInfo needs of the platform.
struct SysInfoPlatform
{
    std::shared_ptr<const RegistryReader> registry;
    // True for an ordinary file (not hidden, not a system file) at the path.
    std::function<bool(const QString &path)> isOrdinaryFile;
    // Starts the program without waiting for it; false when it cannot start.
    std::function<bool(const QString &path)> start;
};

// The platform of this desktop; tests put another in its place. Returns
// the previous one.
SysInfoPlatform setSysInfoPlatform(SysInfoPlatform platform);
const SysInfoPlatform &sysInfoPlatform();
SysInfoPlatform desktopSysInfoPlatform();

// Finds the system-information program through the registry and starts it,
// or shows "此时系统信息不可用".
void StartSysInfo(const SysInfoPlatform &platform = sysInfoPlatform());

} // namespace corvalen
