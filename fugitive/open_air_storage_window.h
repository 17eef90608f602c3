#pragma once

namespace corvalen {
class ToolRegistry;

// 有毒有害物质露天存放散发量: evaporation from open-air storage on a press
// of 计算; its four single-precision values live as long as the instance.
void registerOpenAirStorageWindow(ToolRegistry &registry);

} // namespace corvalen
