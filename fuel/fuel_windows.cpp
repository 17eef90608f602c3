#include "fuel/fuel_windows.h"

#include "common/tool_registry.h"

namespace corvalen {

void registerFuelWindows(ToolRegistry &registry)
{
    Q_UNUSED(registry);
}

} // namespace corvalen
