#pragma once

#include <QString>

namespace corvalen::bench {

// The child process of the opening benchmarks: starts as the program does
// (main window shown and painted, then the data check and the warm-up of
// every window, unless `cold`), opens `name` once to its first paint and
// then again a fixed number of times, and prints on one line: the first
// opening's and the mean later opening's milliseconds, the memory held
// after the warm-up (resident, MB), the milliseconds from the main window's
// first paint to the warm-up's end and the longest turn of the event loop
// in between (both 0 when `cold`). It runs on the platform its environment
// names. A fresh process per figure keeps each window's figure free of
// whatever other windows did before it.
int runOpeningChild(const QString &name, bool cold);

// One opening benchmark per registered window, labelled with `platform`;
// `self` is this program.
void registerOpeningBenchmarks(const char *self, const QString &platform);

} // namespace corvalen::bench
