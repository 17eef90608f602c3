#pragma once

namespace corvalen {
class ToolRegistry;

// 地面水评价分级: the assessment grade of surface water, a compute-button
// window with the receiving-water tab strip (river, lake, bay) over one
// form whose size options serve the river and the bay page alike.
void registerSurfaceGradeWindow(ToolRegistry &registry);

} // namespace corvalen
