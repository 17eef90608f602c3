#pragma once

// The compute-button windows of the toolbox: "计算" (Command2) runs the
// window's calculator on its boxes and shows the value it gives in Text6.

#include "common/forms/form_window.h"

namespace corvalen {

// `values` makes the calculator, kept per window; `press` runs it on the form
// and gives the value shown, in single precision.
template <class Press>
void showsPressResult(FormSpec &spec, std::function<WindowValues()> values, Press press)
{
    spec.values = std::move(values);
    spec.steps["compute"] = [press](Form &f) { f.write("Text6", SingleText(press(f))); };
    spec.triggers = {{On::Press, {"Command2"}, {"compute"}}};
}

} // namespace corvalen
