#pragma once

namespace corvalen {
class ToolRegistry;

// The three leak-rate windows: 液体泄漏速度 and 气体泄漏量 compute on 计算
// (Command1), 两相泄漏量计算 on every change of an input and a click into
// its result. Each shows its inputs in the frame 参数输入, the result Text6,
// and on the right its formula picture Image1 with the legend Label2.
void registerLeakRateWindows(ToolRegistry &registry);

} // namespace corvalen
