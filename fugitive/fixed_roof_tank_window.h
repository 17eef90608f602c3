#pragma once

namespace corvalen {
class ToolRegistry;

// 固定顶罐的呼吸排放量和工作排放量: breathing and working losses of a
// fixed-roof tank on a press of 刷新结果, with the live factors C (from the
// diameter) and KN (from the turnovers) and the product options writing KC.
void registerFixedRoofTankWindow(ToolRegistry &registry);

} // namespace corvalen
