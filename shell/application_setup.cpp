#include "shell/application_setup.h"

#include "shell/shell_style.h"

#include <QApplication>

namespace corvalen {
namespace {

bool setEventLoopChoice = false;

} // namespace

void beforeApplication()
{
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
