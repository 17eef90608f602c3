#pragma once

namespace corvalen {

// Puts Qt's own Chinese texts (the text boxes' context menu, the buttons of
// message boxes, ...) in place of its English ones: the program speaks
// Chinese whatever the desktop's language. The catalogues come with the
// system's Qt translations package; false when they are missing, and Qt's
// English texts stay.
bool installQtTranslations();

} // namespace corvalen
