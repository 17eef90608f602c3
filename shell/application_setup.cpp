#include "shell/application_setup.h"

#include "shell/shell_style.h"

#include <QApplication>
#include <malloc.h>

namespace corvalen {
namespace {

bool setEventLoopChoice = false;

} // namespace

void beforeApplication()
{
    mallopt(M_MMAP_THRESHOLD, int(kMaxReadyStoreBytes));
    mallopt(M_TRIM_THRESHOLD, int(2 * kMaxReadyStoreBytes));
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
