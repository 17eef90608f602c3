#include "noise/noise_windows.h"

#include "common/forms/tool_registry.h"
#include "noise/decibel_windows.h"
#include "noise/highway_window_designs.h"

namespace corvalen {

void registerNoiseWindows(ToolRegistry &registry)
{
    const QString toolbox = QStringLiteral("noise");
    registerDecibelWindows(registry);
    registerFormWindows(registry, toolbox,
                        {
                            {QStringLiteral("公路交通噪声预测1"), ToolKind::ComputeButtonCalculator, highway2006Spec},
                            {QStringLiteral("公路交通噪声预测3"), ToolKind::ComputeButtonCalculator, highway1996Spec},
                        });
}

} // namespace corvalen
