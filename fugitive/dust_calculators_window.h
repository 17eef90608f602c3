#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the live dust calculators: the coal pile of a coal wharf,
// loading at a coal wharf, the two road dust calculators, construction
// sites, wind on a coal pile and the road emission factor.
void registerDustCalculatorWindows(ToolRegistry &registry);
} // namespace corvalen
