#include "risk/risk_windows.h"

#include "common/result_window.h"
#include "common/tool_registry.h"
#include "risk/puff_model_window.h"

namespace corvalen {

void registerRiskWindows(ToolRegistry &registry)
{
    registry.add<PuffModelWindow>(QStringLiteral("风险评价之烟团模式"), QStringLiteral("risk"),
                                  ToolKind::ComputeButtonCalculator);
    registerResultWindow(registry, HandOffWriter::PuffModel, QStringLiteral("risk"));
}

} // namespace corvalen
