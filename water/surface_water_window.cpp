#include "water/surface_water_window.h"

#include "water/surface_grade_window.h"
#include "water/surface_status_window.h"

namespace corvalen {

void registerSurfaceWaterWindows(ToolRegistry &registry)
{
    registerSurfaceGradeWindow(registry);
    registerSurfaceStatusWindows(registry);
}

} // namespace corvalen
