#pragma once

#include <QIcon>

namespace corvalen {

// The grey spanner of the main window, the tool windows, the notification
// area and the about box, in its 16 and 32 pixel drawings.
QIcon programIcon();

} // namespace corvalen
