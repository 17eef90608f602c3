#pragma once

// A test run once for every registered window: addresses and programs are
// not really opened, and every window left open (also one the window opened
// from a button) is closed after each run.

#include "common/forms/desktop.h"
#include "common/forms/tool_registry.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class EveryWindowTest : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        m_url = corvalen::setUrlOpener([](const QString &) { return true; });
        m_program = corvalen::setProgramStarter([](const QString &) { return true; });
    }
    void TearDown() override
    {
        corvalen::ToolRegistry::global().resetInstances();
        for (QWidget *top : QApplication::topLevelWidgets())
            top->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        corvalen::setUrlOpener(std::move(m_url));
        corvalen::setProgramStarter(std::move(m_program));
    }

private:
    corvalen::UrlOpener m_url;
    corvalen::ProgramStarter m_program;
};

// The names of every registered window, in registration order.
inline std::vector<std::string> registeredWindowNames()
{
    std::vector<std::string> names;
    for (const QString &name : corvalen::ToolRegistry::global().names())
        names.push_back(name.toStdString());
    return names;
}
