#include "water/water_windows.h"

#include "water/river_grid_window.h"

namespace corvalen {

void registerWaterWindows(ToolRegistry &registry)
{
    registerRiverGridWindows(registry);
}

} // namespace corvalen
