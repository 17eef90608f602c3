#include "fuel/fuel_windows.h"

#include "common/picture_reference_window.h"
#include "common/tool_registry.h"

namespace corvalen {

void registerFuelWindows(ToolRegistry &registry)
{
    registerReferenceTables(registry, QStringLiteral("fuel"));
}

} // namespace corvalen
