#pragma once

namespace corvalen {

class ToolRegistry;

void registerSolidWasteWindows(ToolRegistry &registry);

} // namespace corvalen
