#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the windows of the fugitive-emission tools.
void registerFugitiveWindows(ToolRegistry &registry);
} // namespace corvalen
