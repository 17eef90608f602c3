#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace corvalen {

namespace sysinfo {
inline const QString unavailable = QStringLiteral("此时系统信息不可用");
} // namespace sysinfo

// The system-information programs of the Linux desktops, in the order they
// are looked for on PATH.
QStringList systemInfoPrograms();

// What StartSysInfo needs of the platform.
struct SysInfoPlatform
{
    // The full path of the program `name` found on PATH; empty when none.
    std::function<QString(const QString &name)> findProgram;
    // Starts the program without waiting for it; false when it cannot start.
    std::function<bool(const QString &path)> start;
};

// The platform of this desktop; tests put another in its place. Returns
// the previous one.
SysInfoPlatform setSysInfoPlatform(SysInfoPlatform platform);
const SysInfoPlatform &sysInfoPlatform();
SysInfoPlatform desktopSysInfoPlatform();

// Starts the first system-information program found on PATH, or shows
// "此时系统信息不可用" when there is none or it does not start.
void StartSysInfo(const SysInfoPlatform &platform = sysInfoPlatform());

} // namespace corvalen
