#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the windows of the fuel-combustion toolbox.
void registerFuelWindows(ToolRegistry &registry);
} // namespace corvalen
