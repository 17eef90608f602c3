#include "shell/all_windows.h"

#include "atmosphere/atmosphere_windows.h"
#include "common/forms/tool_registry.h"
#include "fuel/fuel_windows.h"
#include "fugitive/fugitive_windows.h"
#include "lookups/lookups_windows.h"
#include "noise/noise_windows.h"
#include "process_air/process_air_windows.h"
#include "risk/risk_windows.h"
#include "shell/data_files.h"
#include "shell/shell_windows.h"
#include "solid_waste/solid_waste_windows.h"
#include "water/water_windows.h"

namespace corvalen {

void registerAllWindows(ToolRegistry &registry)
{
    registerShellWindows(registry);
    registerFuelWindows(registry);
    registerProcessAirWindows(registry);
    registerRiskWindows(registry);
    registerNoiseWindows(registry);
    registerAtmosphereWindows(registry);
    registerFugitiveWindows(registry);
    registerWaterWindows(registry);
    registerSolidWasteWindows(registry);
    registerLookupsWindows(registry);
    // Handbook tables, reference texts, documents and sheets of every
    // toolbox, from one scan of the data folders.
    registerDataWindows(registry);
}

} // namespace corvalen
