#include "shell/sys_info.h"

#include "common/forms/desktop.h"
#include "common/forms/message_box.h"

#include <QStandardPaths>
#include <utility>

namespace corvalen {
namespace {

SysInfoPlatform &currentPlatform()
{
    static SysInfoPlatform platform = desktopSysInfoPlatform();
    return platform;
}

} // namespace

QStringList systemInfoPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("cpu-x"), QStringLiteral("i-nex")};
}

SysInfoPlatform desktopSysInfoPlatform()
{
    SysInfoPlatform platform;
    platform.findProgram = [](const QString &name) { return QStandardPaths::findExecutable(name); };
    platform.start = [](const QString &path) { return StartProgram(path); };
    return platform;
}

SysInfoPlatform setSysInfoPlatform(SysInfoPlatform platform)
{
    return std::exchange(currentPlatform(), std::move(platform));
}

const SysInfoPlatform &sysInfoPlatform()
{
    return currentPlatform();
}

void StartSysInfo(const SysInfoPlatform &platform)
{
    for (const QString &name : systemInfoPrograms()) {
        const QString path = platform.findProgram(name);
        if (path.isEmpty())
            continue;
        // The first program found is the one; should it not start, the
        // others are not tried.
        if (!platform.start(path))
            showMessage(sysinfo::unavailable);
        return;
    }
    showMessage(sysinfo::unavailable);
}

} // namespace corvalen
