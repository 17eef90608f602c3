#include "water/water_windows.h"

#include "common/forms/tool_registry.h"
#include "water/cod_bod_window.h"
#include "water/river_grid_window.h"
#include "water/river_profile_window.h"
#include "water/surface_water_window.h"
#include "water/tannery_window.h"
#include "water/wastewater_estimates_window.h"

namespace corvalen {

void registerWaterWindows(ToolRegistry &registry)
{
    registerRiverProfileWindows(registry);
    registerRiverGridWindows(registry);
    registerSurfaceWaterWindows(registry);
    registerCodBodWindow(registry);
    registerTanneryWindow(registry);
    registerWastewaterEstimateWindows(registry);
}

} // namespace corvalen
