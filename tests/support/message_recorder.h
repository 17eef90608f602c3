#pragma once

#include "common/message_box.h"

#include <QStringList>

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
