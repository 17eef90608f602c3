#include "water/water_windows.h"

#include "common/tool_registry.h"
#include "water/river_profile_window.h"

namespace corvalen {

void registerWaterWindows(ToolRegistry &registry)
{
    registerRiverProfileWindows(registry);
}

} // namespace corvalen
