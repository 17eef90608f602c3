#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the windows of the environmental risk toolbox.
void registerRiskWindows(ToolRegistry &registry);
} // namespace corvalen
