#pragma once

// A user's run through a window as a case-table row: set boxes, choose list
// items, type into lists, press buttons, click into boxes, and what a
// control shows or whether it is visible at that point.

#include "window_driver.h"

#include <QString>
#include <gtest/gtest.h>
#include <vector>

struct Act
{
    enum Kind { Set, Type, Choose, Press, Click, Shows, Visible, Hidden };
    Kind kind;
    QString control;
    QString text = {};
};

inline Act set(const QString &box, const QString &text) { return {Act::Set, box, text}; }
inline Act type(const QString &box, const QString &text) { return {Act::Type, box, text}; }
inline Act choose(const QString &list, const QString &item) { return {Act::Choose, list, item}; }
inline Act press(const QString &button) { return {Act::Press, button}; }
inline Act click(const QString &box) { return {Act::Click, box}; }
inline Act shows(const QString &control, const QString &text) { return {Act::Shows, control, text}; }
inline Act visible(const QString &control) { return {Act::Visible, control}; }
inline Act hidden(const QString &control) { return {Act::Hidden, control}; }

// Runs the acts in order; a failed check names the case and the act.
inline void runScript(WindowDriver &w, const std::vector<Act> &acts, const char *name)
{
    for (std::size_t i = 0; i < acts.size(); ++i) {
        const Act &act = acts[i];
        const std::string where = std::string(name) + ", act " + std::to_string(i + 1) + " on " + act.control.toStdString();
        switch (act.kind) {
        case Act::Set: w.set(act.control, act.text); break;
        case Act::Type: w.type(act.control, act.text); break;
        case Act::Choose: w.choose(act.control, act.text); break;
        case Act::Press: w.press(act.control); break;
        case Act::Click: w.click(act.control); break;
        case Act::Shows: EXPECT_EQ(w.text(act.control).toStdString(), act.text.toStdString()) << where; break;
        case Act::Visible:
        case Act::Hidden: {
            QWidget *control = w.find(act.control);
            ASSERT_NE(control, nullptr) << where;
            EXPECT_EQ(control->isVisibleTo(w.window()), act.kind == Act::Visible) << where;
            break;
        }
        }
    }
}
