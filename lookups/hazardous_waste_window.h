#pragma once

namespace corvalen {
class ToolRegistry;

// 危险废物名录查询1: a category of the hazardous waste list by its code.
void registerHazardousWasteWindow(ToolRegistry &registry);

} // namespace corvalen
