#pragma once

#include "common/forms/tool_window.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

namespace corvalen {

enum class ToolKind {
    ComputeButtonCalculator,
    LiveCalculator,
    PictureReference,
    RichTextReference,
    EmbeddedSpreadsheet,
    EmbeddedDocument,
    Result,
    Other,
};

struct ToolInfo
{
    QString name;     // the window's own name, e.g. "石灰窑废气产生量"
    QString toolbox;  // folder of the toolbox: "shell", "fuel", "risk", ...
    ToolKind kind = ToolKind::Other;
    std::function<std::unique_ptr<ToolWindow>()> create;
};

// Every tool window of the program, keyed by its exact name. Each toolbox
// fills it from one registration function of its own; the menu enables its
// items from it, and the robustness test and benchmark walk it.
class ToolRegistry
{
public:
    static ToolRegistry &global();

    // A second registration under one name is a programming error.
    void add(ToolInfo info);
    template <class T>
    void add(const QString &name, const QString &toolbox, ToolKind kind)
    {
        add(ToolInfo{name, toolbox, kind, [] { return std::make_unique<T>(); }});
    }

    bool contains(const QString &name) const;
    const ToolInfo *info(const QString &name) const;
    QStringList names() const;  // in registration order

    // The window's single instance, created on first use; null for an
    // unknown name.
    ToolWindow *instance(const QString &name);
    ToolWindow *existingInstance(const QString &name) const;

    // Closes every window and drops every instance: at the end of the run,
    // while the application exists, and between tests.
    void resetInstances();
    // Lets go of every open window without touching it, for a process that
    // ends through exit(): nothing is deleted after the display is gone.
    void abandonWindows();

private:
    struct Entry
    {
        ToolInfo info;
        std::unique_ptr<ToolWindow> instance;
    };
    std::map<QString, Entry> m_entries;
    QStringList m_order;
};

// Creates the named window's instance on first use and shows it modeless; a
// second call brings the same window forward with what it shows.
void ShowToolWindow(const QString &name);

} // namespace corvalen
