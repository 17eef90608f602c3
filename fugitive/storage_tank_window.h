#pragma once

namespace corvalen {
class ToolRegistry;

// Registers the storage-tank window: working and standing losses of dome,
// external and internal floating-roof tanks, the type chosen in a list.
void registerStorageTankWindow(ToolRegistry &registry);
} // namespace corvalen
