#pragma once

namespace corvalen {
class ToolRegistry;

// 燃煤烟尘量, 燃油排放污染物 and 燃气污染物排放量的计算1: the live
// mass-balance calculators of coal, fuel oil and gaseous fuels.
void registerMassBalanceWindows(ToolRegistry &registry);
} // namespace corvalen
