#pragma once

#include <QtGlobal>
#include <functional>

class QMenu;
class QWidget;

namespace corvalen {

// The popup menu mnuTray (caption "Popup", never in the menu bar) of the
// main window `window`, with its items mnuTrayRestore, mnuTrayMove,
// mnuTraySize, mnuTrayMinimize, mnuTrayMaximize, mnuTraySep and
// mnuTrayClose. `lastState` reads the main window's LastState, the state
// 恢复&R returns a minimised window to.
QMenu *buildTrayMenu(QWidget *window, std::function<qint16()> lastState);

// Enables the items for the window state (0 normal, 1 minimised,
// 2 maximised); 退出&Q and the separator stay as they are.
void applyTrayEnabling(QMenu *menu, qint16 state);

// Returns a minimised (perhaps hidden) window to `state` (0 or 2), shows it
// and gives it the focus.
void bringBack(QWidget *window, qint16 state);

} // namespace corvalen
