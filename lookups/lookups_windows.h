#pragma once

namespace corvalen {
class ToolRegistry;

void registerLookupsWindows(ToolRegistry &registry);

} // namespace corvalen
