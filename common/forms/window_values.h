#pragma once

// The window-level values of one tool window instance: one struct of the
// window's own type that its handlers keep from one event to the next (the
// intermediates of a computation, a model's progress, the text last shown).
// The instance creates it when it is created, value-initialised (zero), and
// keeps it across a close and a reopening. Handlers and tests reach it by its
// type; asking for another type is a programming error and stops the program.

#include <QtGlobal>
#include <functional>
#include <memory>
#include <typeinfo>
#include <utility>

namespace corvalen {

class WindowValues
{
public:
    WindowValues() = default;

    template <class T, class... Args>
    static WindowValues make(Args &&...args)
    {
        WindowValues values;
        values.m_type = &typeid(T);
        values.m_data = std::make_shared<T>(std::forward<Args>(args)...);
        return values;
    }
    // A maker for a spec: each instance that calls it gets its own values.
    template <class T>
    static std::function<WindowValues()> maker()
    {
        return [] { return make<T>(); };
    }

    bool isEmpty() const { return !m_data; }

    template <class T>
    T &get() const
    {
        if (!m_data)
            qFatal("window-level values of type %s asked of a window that keeps none", typeid(T).name());
        if (*m_type != typeid(T))
            qFatal("window-level values of type %s asked of a window that keeps %s", typeid(T).name(),
                   m_type->name());
        return *static_cast<T *>(m_data.get());
    }

private:
    const std::type_info *m_type = nullptr;
    std::shared_ptr<void> m_data;
};

} // namespace corvalen
