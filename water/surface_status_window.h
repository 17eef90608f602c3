#pragma once

namespace corvalen {
class ToolRegistry;

// The two status-assessment windows of surface water, compute-button
// windows with two pages each: 地面水现状评价方法1 (Nemerow mean and
// single-factor indexes of typed value lists) and 地面水评价现状评价方法21
// (self-purification utilisation index P and pollution ranking index ISE).
void registerSurfaceStatusWindows(ToolRegistry &registry);

} // namespace corvalen
