#pragma once

namespace corvalen {

class ToolRegistry;

// 万能单位换算: the relations of twenty unit categories, and the conversion
// of a value by a converting relation as it is typed.
void registerUnitConverterWindow(ToolRegistry &registry);

} // namespace corvalen
