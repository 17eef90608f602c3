#pragma once

namespace corvalen {
class ToolRegistry;

// 铸造工业颗粒物排放量: six branches of a foundry, each a furnace list and a
// treatment list side by side, the quantity Text1, the result Text6 and the
// buttons 计算 (Command2) and 清除 (Command3). The emission E lives as long
// as the instance.
void registerFoundryWindow(ToolRegistry &registry);

} // namespace corvalen
