#pragma once

namespace corvalen {

class ToolRegistry;

// 锅炉煤灰渣产生量计算1: slag, fly ash and their sum follow every change of
// the coal data.
void registerBoilerAshWindow(ToolRegistry &registry);

} // namespace corvalen
