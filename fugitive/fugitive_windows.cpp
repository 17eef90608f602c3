#include "fugitive/fugitive_windows.h"

#include "common/picture_reference_window.h"
#include "common/tool_registry.h"
#include "fugitive/dust_calculators_window.h"
#include "fugitive/storage_tank_window.h"

namespace corvalen {

void registerFugitiveWindows(ToolRegistry &registry)
{
    registerReferenceTables(registry, QStringLiteral("fugitive"));
    registerDustCalculatorWindows(registry);
    registerStorageTankWindow(registry);
}

} // namespace corvalen
