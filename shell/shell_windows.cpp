#include "shell/shell_windows.h"

#include "common/forms/tool_registry.h"
#include "shell/about_window.h"
#include "shell/help_window.h"

namespace corvalen {

void registerShellWindows(ToolRegistry &registry)
{
    registry.add<AboutWindow>(QStringLiteral("frmAbout"), QStringLiteral("shell"), ToolKind::Other);
    registry.add<HelpWindow>(QStringLiteral("帮助内容"), QStringLiteral("shell"), ToolKind::Other);
}

} // namespace corvalen
