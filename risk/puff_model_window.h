#pragma once

namespace corvalen {
class ToolRegistry;
struct HandOffTarget;

// The grid file of the puff model and its result window.
const HandOffTarget &puffHandOffTarget();

// 风险评价之烟团模式: one puff's ground-level concentration at a point, over a
// grid (handed to its result window through the hand-off file) and the
// critical distance along the axis. Keeps only its progress bar's state.
void registerPuffModelWindow(ToolRegistry &registry);

} // namespace corvalen
