#include "shell/sys_info.h"

#include "common/desktop.h"
#include "common/message_box.h"
#include "shell/registry_reader.h"

#include <QFileInfo>
#include <utility>

namespace corvalen {
namespace {

// Registry paths use the backslash; here the file system's separator is "/".
QString localPath(const QString &registryPath)
{
    QString path = registryPath;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

SysInfoPlatform &currentPlatform()
{
    static SysInfoPlatform platform = desktopSysInfoPlatform();
    return platform;
}

} // namespace

SysInfoPlatform desktopSysInfoPlatform()
{
    SysInfoPlatform platform;
    platform.registry = std::make_shared<DesktopRegistry>();
    platform.isOrdinaryFile = [](const QString &path) {
        const QFileInfo info(localPath(path));
        return info.isFile() && !info.isHidden();
    };
    platform.start = [](const QString &path) { return StartProgram(localPath(path)); };
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
    QString path;
    QString found;
    if (GetKeyValue(*platform.registry, HKeyLocalMachine, sysinfo::programKey,
                    sysinfo::programValue, found)) {
        // The full path is used as it stands, without a test.
        path = found;
    } else if (GetKeyValue(*platform.registry, HKeyLocalMachine, sysinfo::folderKey,
                           sysinfo::folderValue, found)) {
        const QString candidate = found + sysinfo::programFile;
        if (!platform.isOrdinaryFile(candidate)) {
            showMessage(sysinfo::unavailable);
            return;
        }
        path = candidate;
    } else {
        showMessage(sysinfo::unavailable);
        return;
    }
    if (!platform.start(path))
        showMessage(sysinfo::unavailable);
}

} // namespace corvalen
