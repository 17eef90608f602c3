#pragma once

namespace corvalen {
class ToolRegistry;

// 制革行业污染物排放量: twelve yearly production and discharge amounts of a
// tannery from its raw hide and the kind of hide, on a press of 计算.
void registerTanneryWindow(ToolRegistry &registry);
} // namespace corvalen
