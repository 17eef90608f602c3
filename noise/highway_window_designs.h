#pragma once

#include "common/forms/form_window.h"

namespace corvalen {

// The highway traffic noise windows: the 2006 guideline model
// (公路交通噪声预测1) and the 1996 road-noise code model (公路交通噪声预测3).
// Each instance holds its own window-level values.
FormSpec highway2006Spec();
FormSpec highway1996Spec();

// Gives the window's boxes room for their texts: the section name wide,
// every other box for a number.
void widenBoxes(Form &form, const char *sectionNameBox);

// The help window that 帮    助 of the 1996 window opens.
inline const char *const kHighway1996Help = "公路噪声预测帮助文档3";

} // namespace corvalen
