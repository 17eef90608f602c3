#pragma once

namespace corvalen {
class ToolRegistry;

// The four exhaust-gas calculators (lime and dolomite kilns, drying,
// evaporation): one form each, with the numeric boxes, the basis note, the
// button "计算" (`Command2`) and the result box `Text6`. Their calculators,
// and so the window-level values, live as long as the instances: zero at
// the first opening in a run, kept across a close and a reopening.
void registerExhaustGasWindows(ToolRegistry &registry);

} // namespace corvalen
