#pragma once

// Opening and closing the embedded object of a sheet or document window in
// place: the button pair Command5 (activate) and CommandClose (close).

#include <QString>
#include <functional>

namespace corvalen {

class Panel;

struct EmbeddedObjectTexts
{
    QString activate;  // caption of Command5
    QString close;     // caption of CommandClose
    QString missing;   // the message when the object cannot be opened
};

// The sheet windows' texts.
const EmbeddedObjectTexts &sheetObjectTexts();
// The document windows' texts; `activate` is the caption most of them use.
const EmbeddedObjectTexts &documentObjectTexts();

// Adds the two buttons side by side as the panel's next row, the activate
// button on the left. A press on Command5 runs `activate`; when it answers false the
// object could not be opened and the message is shown. A press on
// CommandClose runs `close`.
void addEmbeddedObjectButtons(Panel &panel, const EmbeddedObjectTexts &texts,
                              std::function<bool()> activate, std::function<void()> close);

} // namespace corvalen
