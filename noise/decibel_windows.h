#pragma once

namespace corvalen {
class ToolRegistry;

// The three decibel calculators: point-source superposition (计算 and 清除),
// point-source attenuation and decibel subtraction (both live). The
// superposition and attenuation windows keep their single-precision values
// as long as their instances.
void registerDecibelWindows(ToolRegistry &registry);

} // namespace corvalen
