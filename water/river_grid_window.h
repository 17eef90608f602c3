#pragma once

namespace corvalen {
class ToolRegistry;

// The four grid river models (二维稳态混合模式_河2, 二维稳态混合衰减模式_河6,
// 稳态累积流量模式_河4, 稳态混合衰减累积流量模式_河8): one form each, with a
// point button, a grid button whose grid goes through the hand-off file to
// the model's result window, and the progress bar; and the four result
// windows. Nothing is kept from one press to the next.
void registerRiverGridWindows(ToolRegistry &registry);

} // namespace corvalen
