#pragma once

namespace corvalen {
class ToolRegistry;

// The surface-water assessment windows: the assessment grade and the two
// status assessment methods.
void registerSurfaceWaterWindows(ToolRegistry &registry);

} // namespace corvalen
