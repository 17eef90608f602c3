#include "atmosphere/atmosphere_windows.h"

#include "atmosphere/air_index_window.h"
#include "atmosphere/guideline_windows.h"
#include "common/forms/tool_registry.h"

namespace corvalen {

void registerAtmosphereWindows(ToolRegistry &registry)
{
    registerAirIndexWindow(registry);
    registerGuidelineWindows(registry);
}

} // namespace corvalen
