#include "common/desktop.h"

#include "common/message_box.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <utility>

namespace corvalen {
namespace {

UrlOpener &urlOpener()
{
    static UrlOpener opener;
    return opener;
}

ProgramStarter &programStarter()
{
    static ProgramStarter starter;
    return starter;
}

struct AccessoryRole
{
    QString windowsName;
    QString roleName;
    QStringList programs;
};

const QList<AccessoryRole> &roles()
{
    static const QList<AccessoryRole> list = {
        {QStringLiteral("notepad.exe"), QStringLiteral("记事本"),
         {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
          QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("pluma"),
          QStringLiteral("xed"), QStringLiteral("featherpad"), QStringLiteral("leafpad")}},
        {QStringLiteral("calc.exe"), QStringLiteral("计算器"),
         {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
          QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")}},
        {QStringLiteral("mspaint.exe"), QStringLiteral("画图"),
         {QStringLiteral("kolourpaint"), QStringLiteral("pinta"), QStringLiteral("drawing"),
          QStringLiteral("mtpaint"), QStringLiteral("gimp")}},
    };
    return list;
}

const AccessoryRole *roleFor(const QString &windowsProgram)
{
    for (const AccessoryRole &role : roles()) {
        if (role.windowsName.compare(windowsProgram, Qt::CaseInsensitive) == 0)
            return &role;
    }
    return nullptr;
}

} // namespace

UrlOpener setUrlOpener(UrlOpener opener)
{
    return std::exchange(urlOpener(), std::move(opener));
}

ProgramStarter setProgramStarter(ProgramStarter starter)
{
    return std::exchange(programStarter(), std::move(starter));
}

void OpenWithDefaultHandler(const QString &target)
{
    if (urlOpener()) {
        urlOpener()(target);
        return;
    }
    QDesktopServices::openUrl(QUrl(target));
}

bool StartProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return programStarter() ? programStarter()(path) : QProcess::startDetached(path, {});
}

QStringList accessoryCandidates(const QString &windowsProgram)
{
    const AccessoryRole *role = roleFor(windowsProgram);
    return role ? role->programs : QStringList();
}

void StartAccessory(const QString &windowsProgram)
{
    const AccessoryRole *role = roleFor(windowsProgram);
    if (role) {
        for (const QString &candidate : role->programs) {
            const QString path = QStandardPaths::findExecutable(candidate);
            if (path.isEmpty())
                continue;
            if (StartProgram(path))
                return;
        }
    }
    const QString role_name = role ? role->roleName : windowsProgram;
    showMessage(QStringLiteral("未找到可用的%1程序，请先安装其中之一：%2")
                    .arg(role_name, role ? role->programs.join(QStringLiteral("、")) : QString()));
}

} // namespace corvalen
