#include "risk/risk_windows.h"

#include "common/tool_registry.h"
#include "risk/puff_model_window.h"

namespace corvalen {

void registerRiskWindows(ToolRegistry &registry)
{
    registerPuffModelWindow(registry);
}

} // namespace corvalen
