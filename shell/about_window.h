#pragma once

#include "common/forms/tool_window.h"

namespace corvalen {

// The program's title as the build records it.
QString applicationTitle();
// "版本 M.m.r" from the build's version numbers.
QString versionText(int major, int minor, int revision);

// frmAbout: the application's title and version, the handbooks it thanks,
// a contact note and the button that starts the system-information program.
class AboutWindow : public ToolWindow
{
protected:
    void build(QWidget *window) override;
    void load() override;
};

} // namespace corvalen
