#pragma once

#include <QString>
#include <functional>

namespace corvalen {

// Every message box of the program goes through here: OK only, no icon,
// caption "Corvalen". Returns when the user has dismissed the box.
void showMessage(const QString &text);

// Tests (and the headless self-check) replace the box with a sink that
// records the text instead of blocking. Returns the previous sink; an empty
// function restores the real box.
using MessageSink = std::function<void(const QString &)>;
MessageSink setMessageSink(MessageSink sink);

} // namespace corvalen
