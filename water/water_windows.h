#pragma once

namespace corvalen {
class ToolRegistry;

// Every window of the water toolbox.
void registerWaterWindows(ToolRegistry &registry);

} // namespace corvalen
