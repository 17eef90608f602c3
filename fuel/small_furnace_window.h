#pragma once

namespace corvalen {
class ToolRegistry;

// 茶炉污染物产排放量计算 and 大灶污染物产排量计算: five pollutants of a
// coal-fired tea-water boiler or kitchen stove, on a press of 计算.
void registerSmallFurnaceWindows(ToolRegistry &registry);
} // namespace corvalen
