#include "process_air/process_air_windows.h"

#include "common/forms/tool_registry.h"
#include "process_air/emission_factor_window.h"
#include "process_air/exhaust_gas_window.h"
#include "process_air/foundry_window.h"

namespace corvalen {

void registerProcessAirWindows(ToolRegistry &registry)
{
    registerExhaustGasWindows(registry);
    registerEmissionFactorWindows(registry);
    registerFoundryWindow(registry);
}

} // namespace corvalen
