#include "risk/risk_windows.h"

#include "common/forms/tool_registry.h"
#include "risk/leak_rate_windows.h"
#include "risk/pool_evaporation_window.h"
#include "risk/protection_distance_window.h"
#include "risk/puff_model_window.h"

namespace corvalen {

void registerRiskWindows(ToolRegistry &registry)
{
    registerPuffModelWindow(registry);
    registerProtectionDistanceWindow(registry);
    registerPoolEvaporationWindow(registry);
    registerLeakRateWindows(registry);
}

} // namespace corvalen
