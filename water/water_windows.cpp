#include "water/water_windows.h"

#include "common/tool_registry.h"
#include "water/river_profile_window.h"
#include "water/surface_water_window.h"

namespace corvalen {

void registerWaterWindows(ToolRegistry &registry)
{
    registerRiverProfileWindows(registry);
    registerSurfaceWaterWindows(registry);
}

} // namespace corvalen
