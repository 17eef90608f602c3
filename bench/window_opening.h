#pragma once

#include <QString>

namespace corvalen::bench {

// The child process of the opening benchmarks: starts as the program does
// (main window shown and painted, fonts warmed when idle unless `cold`),
// opens `name` once to its first paint and then again a fixed number of
// times, and prints the first opening's and the mean later opening's
// milliseconds on one line. A fresh process per figure keeps each window's
// figure free of whatever other windows did before it.
int runOpeningChild(const QString &name, bool cold);

// One opening benchmark per registered window; `self` is this program.
void registerOpeningBenchmarks(const char *self);

} // namespace corvalen::bench
