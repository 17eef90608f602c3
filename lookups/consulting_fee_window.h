#pragma once

namespace corvalen {

class ToolRegistry;

// 建设项目环境影响评价咨询收费: the compiling and evaluating fees of an
// impact report or report form, on 刷新结果.
void registerConsultingFeeWindow(ToolRegistry &registry);

} // namespace corvalen
