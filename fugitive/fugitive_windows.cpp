#include "fugitive/fugitive_windows.h"

#include "common/forms/tool_registry.h"
#include "fugitive/dust_calculators_window.h"
#include "fugitive/fixed_roof_tank_window.h"
#include "fugitive/open_air_storage_window.h"
#include "fugitive/storage_tank_window.h"
#include "fugitive/untight_equipment_window.h"

namespace corvalen {

void registerFugitiveWindows(ToolRegistry &registry)
{
    registerDustCalculatorWindows(registry);
    registerFixedRoofTankWindow(registry);
    registerOpenAirStorageWindow(registry);
    registerUntightEquipmentWindow(registry);
    registerStorageTankWindow(registry);
}

} // namespace corvalen
