#pragma once

namespace corvalen {
class ToolRegistry;

// The air pollution index window `空气污染指数计算1`: three concentration
// boxes, each with a scroll bar that writes it while its thumb is dragged
// and follows what is typed; "计算结果" writes the sub-indices, the API, its
// class and the primary pollutant.
void registerAirIndexWindow(ToolRegistry &registry);

} // namespace corvalen
