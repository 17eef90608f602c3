#pragma once

namespace corvalen {
class ToolRegistry;

// 产业结构调整指导目录: the catalogue's items that hold a keyword, within one
// class.
void registerIndustryCatalogueWindow(ToolRegistry &registry);

} // namespace corvalen
