#pragma once

#include "common/forms/form.h"

#include <QTabWidget>
#include <functional>

namespace corvalen {

// Runs `chosen` whenever another tab of the strip `strip` is chosen. The
// form lives only while its window is open, and a tab widget reports tab
// changes while it is being destroyed, after the form is gone: a strip
// that is not shown calls nothing.
inline void onTabChosen(Form &f, const QString &strip, std::function<void(Form &)> chosen)
{
    auto *tabs = f.get<QTabWidget>(strip);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [&f, tabs, chosen] {
        if (tabs->isVisible())
            chosen(f);
    });
}

// The caption of the chosen tab; the pages are told apart by it.
inline QString chosenTabCaption(const Form &f, const QString &strip)
{
    const auto *tabs = f.get<QTabWidget>(strip);
    return tabs->tabText(tabs->currentIndex());
}

} // namespace corvalen
