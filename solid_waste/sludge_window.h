#pragma once

namespace corvalen {

class ToolRegistry;

// 沉淀池污泥量 (live) and 污泥量计算 (on 刷新结果).
void registerSludgeWindows(ToolRegistry &registry);

} // namespace corvalen
