#include "process_air/process_air_windows.h"

#include "common/picture_reference_window.h"
#include "common/tool_registry.h"
#include "process_air/exhaust_gas_window.h"

#include <memory>

namespace corvalen {

void registerProcessAirWindows(ToolRegistry &registry)
{
    registerReferenceTables(registry, QStringLiteral("process_air"));
    for (const ExhaustGasForm &form : exhaustGasForms()) {
        registry.add(ToolInfo{form.name, QStringLiteral("process_air"), ToolKind::ComputeButtonCalculator,
                              [&form] { return std::make_unique<ExhaustGasWindow>(form); }});
    }
}

} // namespace corvalen
