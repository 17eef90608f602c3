#include "risk/risk_windows.h"

#include "common/tool_registry.h"

namespace corvalen {

void registerRiskWindows(ToolRegistry &registry)
{
    Q_UNUSED(registry);
}

} // namespace corvalen
