#pragma once

namespace corvalen {
class ToolRegistry;

// The four river and bay windows that write a profile along the distance:
// 完全混合模式_河15, 托马斯模式_河9, 弗罗模式_河37 and 约_新模式1.
void registerRiverProfileWindows(ToolRegistry &registry);

} // namespace corvalen
