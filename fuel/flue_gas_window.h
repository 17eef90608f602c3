#pragma once

namespace corvalen {
class ToolRegistry;

// 燃料燃烧燃气产生量: flue gas per kg and per t of fuel, on a press of 计算.
void registerFlueGasWindow(ToolRegistry &registry);
} // namespace corvalen
