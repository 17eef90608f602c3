#pragma once

#include <functional>

class QObject;
class QWidget;

namespace corvalen {

// Runs `step` once, in a turn of the event loop after `window`'s first
// paint (at the latest half a second after the window was shown, should no
// paint come, as for a window that starts minimised).
void afterFirstPaint(QWidget *window, std::function<void()> step);

// Builds and paints every registered tool window once, off screen and in an
// instance of its own, one window per timeout of a zero timer. The first
// real opening of a window then finds the fonts it uses loaded, their
// glyphs cached and (for a handbook table) its pages placed, instead of
// doing that while the user waits. A window that keeps its built window (a
// stored text or document) is built in the registry's own instance and
// kept hidden, laid out, for its first opening. `done` runs after the last window; the
// work stops when `context` goes.
void warmUpToolWindows(QObject *context, std::function<void()> done = {});

} // namespace corvalen
