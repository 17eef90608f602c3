#pragma once

namespace corvalen {

class ToolRegistry;

// The air pollution index, its table of ranges and the guideline
// calculators of the atmospheric assessment.
void registerAtmosphereWindows(ToolRegistry &registry);

} // namespace corvalen
