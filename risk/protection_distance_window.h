#pragma once

namespace corvalen {
class ToolRegistry;

// 卫生防护距离计算工具: the inputs Qc, Cm, S, the wind-speed and enterprise
// lists (Combo2 and Combo3 take turns by the choice in Combo4), the buttons
// 计    算, 清   除 and 说  明, and the distance in Text6. The search's
// single-precision values live as long as the instance.
void registerProtectionDistanceWindow(ToolRegistry &registry);

} // namespace corvalen
