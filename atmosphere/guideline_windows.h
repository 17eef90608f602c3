#pragma once

namespace corvalen {
class ToolRegistry;

// The guideline calculators, each computing on "刷新结果" into its report
// box: the work grade `大气评价等级的划分`, the mixing-layer height
// `混合层高度计算1`, the stack-exit wind speed `烟囱出口风速计算1` and the
// plume rise `烟气抬升高度计算1`, whose "..." opens the stack-exit wind
// window.
void registerGuidelineWindows(ToolRegistry &registry);

} // namespace corvalen
