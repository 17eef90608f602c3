#include "process_air/process_air_windows.h"

#include "common/tool_registry.h"

namespace corvalen {

void registerProcessAirWindows(ToolRegistry &registry)
{
    Q_UNUSED(registry);
}

} // namespace corvalen
