#include "shell/window_state.h"

namespace corvalen {

qint16 windowStateCode(Qt::WindowStates states)
{
    if (states & Qt::WindowMinimized)
        return StateMinimised;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return StateMaximised;
    return StateNormal;
}

TrayMenuEnabling trayMenuEnabling(qint16 state)
{
    // 最大化&x is disabled in every state.
    switch (state) {
    case StateMinimised:
        return {true, false, false, false, false};
    case StateMaximised:
        return {true, false, false, true, false};
    default:
        return {false, true, true, true, false};
    }
}

bool hideOnTick(bool minimised, bool iconShown)
{
    return minimised && iconShown;
}

} // namespace corvalen
