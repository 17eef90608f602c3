#pragma once

#include "common/forms/message_box.h"

#include <QStringList>

// How many times a window was asked for by a name nobody registered; the
// test main fails a test on such a call unless the test expects it.
int &expectedUnknownWindows();

// Records every message box shown while it lives, instead of blocking.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        m_previous = corvalen::setMessageSink([this](const QString &t) { messages.append(t); });
    }
    ~MessageRecorder() { corvalen::setMessageSink(std::move(m_previous)); }
    QStringList messages;

private:
    corvalen::MessageSink m_previous;
};
