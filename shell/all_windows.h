#pragma once

namespace corvalen {
class ToolRegistry;

// Fills the registry from every toolbox's own registration function.
void registerAllWindows(ToolRegistry &registry);
} // namespace corvalen
