#include "noise/noise_windows.h"

#include "common/forms/tool_registry.h"
#include "noise/decibel_windows.h"
#include "noise/highway_window_designs.h"

namespace corvalen {

void registerNoiseWindows(ToolRegistry &registry)
{
    const QString toolbox = QStringLiteral("noise");
    registerDecibelWindows(registry);
    registerFormWindow(registry, QStringLiteral("公路交通噪声预测1"), toolbox, ToolKind::ComputeButtonCalculator,
                       highway2006Spec);
    registerFormWindow(registry, QStringLiteral("公路交通噪声预测3"), toolbox, ToolKind::ComputeButtonCalculator,
                       highway1996Spec);
}

} // namespace corvalen
