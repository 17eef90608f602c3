#include "water/water_windows.h"

#include "water/surface_water_window.h"

namespace corvalen {

void registerWaterWindows(ToolRegistry &registry)
{
    registerSurfaceWaterWindows(registry);
}

} // namespace corvalen
