#pragma once

#include "common/forms/window_values.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace corvalen {

// A tool window's instance. It is created the first time the window is shown
// and lives for the whole run; it holds the window-level values (zero on
// first opening, kept across a close and a reopening), in one struct of the
// window's own type (WindowValues). The widgets are built from the design at
// every opening and discarded on close, except in a window that keeps its
// built window (keepsBuiltWindow()): that one is built once and hidden on
// close.
class ToolWindow
{
public:
    ToolWindow() = default;
    virtual ~ToolWindow();
    ToolWindow(const ToolWindow &) = delete;
    ToolWindow &operator=(const ToolWindow &) = delete;

    const QString &name() const { return m_name; }
    QWidget *widget() const { return m_widget; }
    bool isOpen() const { return !m_widget.isNull(); }
    // The window-level values, of the type the window keeps.
    template <class T>
    T &values() const
    {
        return m_values.get<T>();
    }

    // Builds the window when it is closed (design, then load step) and shows
    // it modeless; an open window is only raised and activated.
    void show();
    // Runs the unload step and discards the widgets; the instance stays.
    void close();
    // Builds the design into a frame that is never shown, runs the load step
    // (its messages dropped), paints it once off screen and discards it, so
    // that the fonts, glyphs and styles the window uses are loaded before its
    // first opening. No unload step runs; meant for an instance of its own,
    // not the one the registry keeps, except for a window that keeps its
    // built window: there it builds the registry's instance's window and
    // keeps it hidden for the first opening.
    void warmUp();
    // Forgets the widgets without deleting them (the process is ending).
    void abandon()
    {
        m_widget.clear();
        m_kept.clear();
    }
    // A window whose built design never changes (a stored text or document)
    // is laid out once: its warm-up builds the instance's own window out of
    // sight, and a close only hides it, to be shown again as it was built.
    virtual bool keepsBuiltWindow() const { return false; }

protected:
    // Gives the instance its window-level values; once, when it is created.
    void keepValues(WindowValues values) { m_values = std::move(values); }
    WindowValues &windowValues() { return m_values; }

    // Creates the controls of the design as children of `window` and sets
    // its caption. Design-time texts are set here, before any change handler
    // is connected, so they never count as changes.
    virtual void build(QWidget *window) = 0;
    // The load step: runs after build, before the window is displayed.
    virtual void load() {}
    // The unload step: runs when the window closes.
    virtual void unload() {}
    // Runs when an open window is shown again (ShowToolWindow brings it
    // forward), before it is raised.
    virtual void shownAgain() {}
    // A kept window about to be shown again after a close: puts back what a
    // user could have changed (scrolling, selection, size), so that it shows
    // its design as a newly built window would.
    virtual void restoreDesign() {}

private:
    friend class ToolRegistry;
    friend class ToolWindowFrame;
    void frameClosing();
    QWidget *buildFrame();

    QString m_name;
    QPointer<QWidget> m_widget;
    WindowValues m_values;
    QPointer<QWidget> m_kept;  // built, hidden, for the next opening
    QSize m_designSize;        // the kept window's size as built
};

// The top-level widget of a tool window; forwards its close to the instance.
class ToolWindowFrame : public QWidget
{
    Q_OBJECT
public:
    explicit ToolWindowFrame(ToolWindow *owner);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ToolWindow *m_owner;
};

// Closes the tool window (or main window) that `control` belongs to.
void CloseOwnWindow(QWidget *control);

} // namespace corvalen
