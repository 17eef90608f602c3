#include "risk/risk_windows.h"

#include "common/tool_registry.h"
#include "risk/puff_help_window.h"
#include "risk/puff_model_window.h"

namespace corvalen {

void registerRiskWindows(ToolRegistry &registry)
{
    registerPuffModelWindow(registry);
    registry.add<PuffHelpWindow>(QStringLiteral("风险评价之烟团帮助"), QStringLiteral("risk"),
                                 ToolKind::RichTextReference);
}

} // namespace corvalen
