#pragma once

namespace corvalen {

class ToolRegistry;

// The noise toolbox: decibel calculators, the two highway traffic noise
// models with the help text of the older one, and the handbook tables of
// noise levels.
void registerNoiseWindows(ToolRegistry &registry);

} // namespace corvalen
