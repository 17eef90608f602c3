#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the windows of the shell's own tool windows (about box, help).
void registerShellWindows(ToolRegistry &registry);
} // namespace corvalen
