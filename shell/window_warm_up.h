#pragma once

#include <functional>

class QWidget;

namespace corvalen {

// Builds and paints every registered tool window once, off screen and in an
// instance of its own, one window per turn of the event loop, starting when
// `mainWindow` has been painted for the first time. The first real opening
// of a window then finds the fonts it uses loaded, their glyphs cached and
// (for a handbook table) its pages placed, instead of doing that while the
// user waits. `done` runs after the last window.
void warmUpToolWindowsWhenIdle(QWidget *mainWindow, std::function<void()> done = {});

} // namespace corvalen
