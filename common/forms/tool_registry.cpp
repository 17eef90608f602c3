#include "common/forms/tool_registry.h"

#include <QtGlobal>

namespace corvalen {

ToolRegistry &ToolRegistry::global()
{
    static ToolRegistry registry;
    return registry;
}

void ToolRegistry::add(ToolInfo info)
{
    if (m_entries.count(info.name))
        qFatal("tool window registered twice: %s", qPrintable(info.name));
    const QString name = info.name;
    m_entries.emplace(name, Entry{std::move(info), nullptr});
    m_order.append(name);
}

bool ToolRegistry::contains(const QString &name) const
{
    return m_entries.count(name) != 0;
}

const ToolInfo *ToolRegistry::info(const QString &name) const
{
    auto it = m_entries.find(name);
    return it == m_entries.end() ? nullptr : &it->second.info;
}

QStringList ToolRegistry::names() const
{
    return m_order;
}

ToolWindow *ToolRegistry::instance(const QString &name)
{
    auto it = m_entries.find(name);
    if (it == m_entries.end())
        return nullptr;
    Entry &entry = it->second;
    if (!entry.instance) {
        entry.instance = entry.info.create();
        entry.instance->m_name = name;
    }
    return entry.instance.get();
}

ToolWindow *ToolRegistry::existingInstance(const QString &name) const
{
    auto it = m_entries.find(name);
    return it == m_entries.end() ? nullptr : it->second.instance.get();
}

void ToolRegistry::resetInstances()
{
    for (auto &[name, entry] : m_entries) {
        if (entry.instance)
            entry.instance->close();
        entry.instance.reset();
    }
}

void ToolRegistry::abandonWindows()
{
    for (auto &[name, entry] : m_entries) {
        if (entry.instance)
            entry.instance->abandon();
    }
}

void ShowToolWindow(const QString &name)
{
    if (ToolWindow *window = ToolRegistry::global().instance(name))
        window->show();
    else
        qWarning("ShowToolWindow: no window is registered as %s", qPrintable(name));
}

} // namespace corvalen
