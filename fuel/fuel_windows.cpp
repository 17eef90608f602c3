#include "fuel/fuel_windows.h"

#include "common/forms/tool_registry.h"
#include "fuel/flue_gas_window.h"
#include "fuel/mass_balance_window.h"
#include "fuel/small_furnace_window.h"

namespace corvalen {

void registerFuelWindows(ToolRegistry &registry)
{
    registerFlueGasWindow(registry);
    registerSmallFurnaceWindows(registry);
    registerMassBalanceWindows(registry);
}

} // namespace corvalen
