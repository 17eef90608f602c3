#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the windows of the water toolbox.
void registerWaterWindows(ToolRegistry &registry);
} // namespace corvalen
