#pragma once

namespace corvalen {
class ToolRegistry;

// 医院水污染物排放, 公路项目生活服务区水污染物 and
// 乡镇企业金属表面及热处理业排污量计算: wastewater of a hospital, of a highway
// service area and of township metal-finishing works.
void registerWastewaterEstimateWindows(ToolRegistry &registry);
} // namespace corvalen
