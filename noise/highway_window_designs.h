#pragma once

#include "common/forms/form_window.h"

class QPlainTextEdit;

namespace corvalen {

// The highway traffic noise windows: the 2006 guideline model
// (公路交通噪声预测1) and the 1996 road-noise code model (公路交通噪声预测3).
// Each instance holds its own window-level values.
FormSpec highway2006Spec();
FormSpec highway1996Spec();

// Gives the window's boxes room for their texts: the section name wide,
// every other box for a number.
void widenBoxes(Form &form, const char *sectionNameBox);

// The centred line of buttons under the inputs: 帮    助 (Command1) where
// the window has it, 刷新结果 (Command2) and 退   出 (Command3).
void addCommandButtons(Panel &top, bool withHelp);

// The frame 预测结果 with the read-only report RichTextBox1 in the
// fixed-width face, at least `minimumHeight` pixels tall.
QPlainTextEdit *addPredictionReport(Panel &top, int minimumHeight);

// The help window that 帮    助 of the 1996 window opens.
inline const char *const kHighway1996Help = "公路噪声预测帮助文档3";

} // namespace corvalen
