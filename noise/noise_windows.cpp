#include "noise/noise_windows.h"

#include "common/picture_reference_window.h"
#include "common/tool_registry.h"

namespace corvalen {

void registerNoiseWindows(ToolRegistry &registry)
{
    registerReferenceTables(registry, QStringLiteral("noise"));
}

} // namespace corvalen
