#pragma once

namespace corvalen {

class ToolRegistry;

// 浓度单位换算: the conversions of a solution's concentrations; 常用单位换算:
// the ppm and ppb equivalences of soil, plants, animals and solid waste, and
// the mass concentration of a gas of 1 ppm.
void registerUnitFormulaWindows(ToolRegistry &registry);

} // namespace corvalen
