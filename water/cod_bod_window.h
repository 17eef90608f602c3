#pragma once

namespace corvalen {
class ToolRegistry;

// COD转换BOD: the BOD5 of eight kinds of wastewater follows their COD as the
// user types.
void registerCodBodWindow(ToolRegistry &registry);
} // namespace corvalen
