#pragma once

// The input helpers of the calculators: the keystroke filter of numeric
// boxes, select-all on focus and the explanation buttons' messages.

#include <QString>
#include <QStringView>

class QLineEdit;

namespace corvalen {

// The two prompts of the numeric keystroke filter (ASCII commas).
inline constexpr QStringView kSecondPointMessage = u"数据输入错误,请检查输入";
inline constexpr QStringView kNotNumericMessage = u"数据输入错误,请检查是否在数值输入状态";

// The advice shown beside results that may come out as 0 or unknown, in the
// three wordings of the windows that show it: fuel oil (ASCII punctuation),
// coal dust (begins with a blank, ASCII punctuation), fixed-roof tank
// (full-width comma and exclamation mark).
inline constexpr QStringView kZeroResultNoteFuelOil =
    u"当计算结果为0或未知时,请检查你的输入,是不是有0或是未知数据!";
inline constexpr QStringView kZeroResultNoteCoalDust =
    u" 当计算结果为0或未知时,请检查你的输入的参数,参数里是否有非数字输入或是0输入!";
inline constexpr QStringView kZeroResultNoteFixedRoofTank =
    u"当计算结果为0或未知时，请检查你的各项参数输入，是不是有为0或未知的参数！";

// The judgement of one typed character `c` for a box holding `text` with
// the selection (or caret) starting at `selectionStart`: a digit passes; "."
// passes while the text holds no "."; "-" passes as the first character of
// a text that holds no "-"; anything else is refused. Returns the message
// of a refusal, or an empty view when the character passes. The text as it
// stands is judged, not as it would be after the key replaced a selection.
QStringView FilterNumericKey(QChar c, QStringView text, int selectionStart);

// Judges every key typed into `box` by FilterNumericKey: a refused key is
// dropped (the box keeps text, selection and caret), then its message is
// shown. Backspace, Enter, Escape and Ctrl combinations that type a control
// character (Ctrl+C, Ctrl+V, ...) count as typed characters and are refused;
// keys that type nothing (arrows, Delete, Home, Tab) pass. Text committed by
// an input method is judged like typed keys. Text that arrives without a
// typed key (a paste from the context menu, a drop) is not judged.
void attachNumericFilter(QLineEdit *box);

// Selects the whole text of `box` whenever it receives the focus, also when
// the focus comes from a mouse click into it. The focus that comes back to
// the box when its window is active again (after a message box, a popup
// menu or another program) is no new focus and selects nothing.
void attachSelectAllOnFocus(QLineEdit *box);

// The action of an explanation button: shows its fixed text in a message box
// and returns when the user has closed it.
void ShowExplanation(QStringView text);

} // namespace corvalen
