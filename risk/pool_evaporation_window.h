#pragma once

namespace corvalen {
class ToolRegistry;

// 风险评价蒸发量: a live calculator with four pages on the tab strip
// TabStrip1 (flash, heat and mass evaporation, and their total); each page
// recomputes only its own result, and the total reads the three rates from
// their result boxes.
void registerPoolEvaporationWindow(ToolRegistry &registry);

} // namespace corvalen
