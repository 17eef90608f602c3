#pragma once

// Drives a registered tool window as a user would, offscreen: open it by
// name, set or type a box found by control name or by the label a user
// reads, choose a list item, press, click, read. Window tests are case
// tables over it.

#include <QString>
#include <QWidget>

class QLineEdit;

namespace corvalen {
class ToolWindow;
}

// Types the text key by key into the widget, Chinese and control
// characters included.
void typeText(QWidget *widget, const QString &text);

class WindowDriver
{
public:
    // Opens the window; with `fresh`, every instance is dropped first, so
    // the window's values are those of a first opening in the run.
    explicit WindowDriver(const QString &windowName, bool fresh = true);

    QWidget *window() const;
    corvalen::ToolWindow *instance() const;
    template <class T = QWidget>
    T *find(const QString &name) const
    {
        return window() ? window()->findChild<T *>(name) : nullptr;
    }

    // Sets a box's text by code (a change, as a paste would be).
    void set(const QString &name, const QString &text);
    // Selects the box's text and types over it, key by key.
    void type(const QString &name, const QString &text);
    // The box whose label (its accessible name) reads `label`.
    QLineEdit *boxByLabel(const QString &label) const;
    void typeByLabel(const QString &label, const QString &text);

    void press(const QString &name);        // a button, option or check box
    void click(const QString &name);        // a mouse press into a box
    void doubleClick(const QString &name);  // a double-click into a box
    void choose(const QString &list, const QString &item);

    // What the control shows: a box, a list's text, a label, a report.
    QString text(const QString &name) const;

    void close();
    void reopen();
    // Renders the window to a PNG file, to look at while developing.
    bool screenshot(const QString &path) const;

private:
    QString m_name;
};
