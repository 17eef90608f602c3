#pragma once

namespace corvalen {

// Lets screen readers read a LineReportBox through the accessible text
// interface: the whole report as the box shows it (lines joined by LF), its
// caret and selection, characters, words and lines. Installed once, by the
// first box.
void installLineReportAccessible();

} // namespace corvalen
