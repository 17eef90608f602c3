#pragma once

namespace corvalen {
class ToolRegistry;

// 国民经济行业分类与代码检索1: the classification by section or by keyword.
void registerIndustryClassificationWindow(ToolRegistry &registry);

} // namespace corvalen
