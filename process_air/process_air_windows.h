#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the windows of the industrial process air toolbox.
void registerProcessAirWindows(ToolRegistry &registry);
} // namespace corvalen
