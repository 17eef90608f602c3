#pragma once

#include <optional>

class QWidget;

namespace corvalen {

// A main window hidden in the notification area is still open: while it is
// hidden, closing the last tool window must not end the program. The
// application's quit-on-last-window setting is kept here meanwhile.
class HiddenWindowHold
{
public:
    HiddenWindowHold() = default;
    HiddenWindowHold(const HiddenWindowHold &) = delete;
    HiddenWindowHold &operator=(const HiddenWindowHold &) = delete;
    ~HiddenWindowHold();

    // The window is about to be hidden.
    void hold();
    // The window is shown again, or it closes; closed from the hidden state
    // with no other window open, it was the last window and the program ends.
    void release(const QWidget *window, bool closing);

private:
    std::optional<bool> m_quitOnLastClosed;
};

} // namespace corvalen
