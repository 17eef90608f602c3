#include "risk/risk_windows.h"

#include "common/result_window.h"
#include "common/tool_registry.h"
#include "risk/leak_rate_windows.h"
#include "risk/pool_evaporation_window.h"
#include "risk/protection_distance_window.h"
#include "risk/puff_help_window.h"
#include "risk/puff_model_window.h"

namespace corvalen {

void registerRiskWindows(ToolRegistry &registry)
{
    registry.add<PuffModelWindow>(QStringLiteral("风险评价之烟团模式"), QStringLiteral("risk"),
                                  ToolKind::ComputeButtonCalculator);
    registry.add<PuffHelpWindow>(QStringLiteral("风险评价之烟团帮助"), QStringLiteral("risk"),
                                 ToolKind::RichTextReference);
    registerResultWindow(registry, HandOffWriter::PuffModel, QStringLiteral("risk"));
    registerProtectionDistanceWindow(registry);
    registerPoolEvaporationWindow(registry);
    registerLeakRateWindows(registry);
}

} // namespace corvalen
