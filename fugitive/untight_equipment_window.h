#pragma once

namespace corvalen {
class ToolRegistry;

// 不严密处散发量计算: the live calculator of gas leaking from untight
// equipment and pipes, with its table of the coefficient C by pressure.
void registerUntightEquipmentWindow(ToolRegistry &registry);

} // namespace corvalen
