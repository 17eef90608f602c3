#pragma once

namespace corvalen {
class ToolRegistry;

// The six emission-factor calculators under 气工具 > 经验系数 (refuse
// incineration, feed and grain mills, cotton gins, glass raw material,
// glass making, lime kiln dust): one form each with its lists and boxes,
// the basis note Text7, the button 计算 (Command2) and the result box Text6.
// Their calculators, and so the emission E, live as long as the instances.
void registerEmissionFactorWindows(ToolRegistry &registry);

} // namespace corvalen
