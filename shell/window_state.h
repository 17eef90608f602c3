#pragma once

#include <Qt>
#include <QtGlobal>

namespace corvalen {

// Window states as the platform numbers them; LastState holds 0 or 2.
constexpr qint16 StateNormal = 0;
constexpr qint16 StateMinimised = 1;
constexpr qint16 StateMaximised = 2;

// The number of a widget's window state; minimised wins over maximised
// (a maximised window that is minimised keeps both flags in Qt).
qint16 windowStateCode(Qt::WindowStates states);

// Which items of the popup menu mnuTray are enabled in a window state.
// 退出&Q and the separator are never touched.
struct TrayMenuEnabling
{
    bool restore = false;
    bool move = false;
    bool size = false;
    bool minimize = false;
    bool maximize = false;
};
TrayMenuEnabling trayMenuEnabling(qint16 state);

// The tick of Timer1 hides a minimised main window only while the icon is
// really in a notification area: without one the window stays minimised in
// the taskbar, its only way back.
bool hideOnTick(bool minimised, bool iconShown);

} // namespace corvalen
