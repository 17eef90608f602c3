#include "shell/shell_windows.h"

#include "common/tool_registry.h"

namespace corvalen {

void registerShellWindows(ToolRegistry &registry)
{
    Q_UNUSED(registry);
}

} // namespace corvalen
