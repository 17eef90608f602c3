#include "common/forms/desktop.h"

#include "common/forms/message_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
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

// The one message of an address the desktop could not open: the address on
// a line of its own (a mail address without "mailto:"), ready to copy.
void reportUnopened(const QString &target)
{
    const QString scheme = QStringLiteral("mailto:");
    if (target.startsWith(scheme, Qt::CaseInsensitive)) {
        showMessage(QStringLiteral("未能打开邮件程序。请把下面的邮件地址复制到您的邮件程序中：\n")
                    + target.mid(scheme.size()));
    } else {
        showMessage(QStringLiteral("未能打开网页浏览器。请把下面的网址复制到浏览器中打开：\n") + target);
    }
}

// A handler that ran longer than this has opened something (a browser that
// xdg-open keeps in the foreground until it is closed): its exit code no
// longer speaks of the link.
constexpr qint64 kHandlerFailureWindowMs = 10000;

// xdg-open says by its exit code whether a handler took the target (Qt's
// own call only says whether xdg-open started); without xdg-open Qt looks
// for a browser itself.
void openThroughDesktop(const QString &target)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl(target)))
            reportUnopened(target);
        return;
    }
    auto *process = new QProcess(QCoreApplication::instance());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer started;
    started.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, target, started](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if ((status != QProcess::NormalExit || code != 0)
                             && started.elapsed() < kHandlerFailureWindowMs)
                             reportUnopened(target);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, target](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;  // an end of any other kind comes through finished
        process->deleteLater();
        reportUnopened(target);
    });
    process->start(xdgOpen, {target});
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
        if (!urlOpener()(target))
            reportUnopened(target);
        return;
    }
    openThroughDesktop(target);
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
