#pragma once

// What the shell's tests share: Qt's widgets and test tools, gtest, the
// message recorder, and opening a registered tool window.
#include "common/forms/tool_registry.h"
#include "message_recorder.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

// Shows the registered window `name` and returns its instance.
inline corvalen::ToolWindow *openToolWindow(const QString &name)
{
    corvalen::ShowToolWindow(name);
    return corvalen::ToolRegistry::global().existingInstance(name);
}
