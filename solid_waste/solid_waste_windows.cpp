#include "solid_waste/solid_waste_windows.h"

#include "solid_waste/boiler_ash_window.h"
#include "solid_waste/formula_picture_window.h"
#include "solid_waste/sludge_window.h"

namespace corvalen {

void registerSolidWasteWindows(ToolRegistry &registry)
{
    registerBoilerAshWindow(registry);
    registerSludgeWindows(registry);
    registerFormulaPictureWindows(registry);
}

} // namespace corvalen
