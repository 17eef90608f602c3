#pragma once

// The red line under a window's title (or over its text) that says the
// window's text is incomplete.
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

inline void expectNotice(QWidget *window, const QString &text, const QWidget *below, const QWidget *above)
{
    auto *notice = window->findChild<QLabel *>(QStringLiteral("LabelNotice"));
    ASSERT_NE(notice, nullptr) << window->windowTitle().toStdString();
    EXPECT_EQ(notice->text(), text);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->palette().color(QPalette::WindowText), QColor(Qt::red));
    const QRect at(notice->mapTo(window, QPoint(0, 0)), notice->size());
    if (below) {
        EXPECT_GE(at.top(), below->mapTo(window, QPoint(0, below->height())).y()) << "under the title";
    }
    ASSERT_NE(above, nullptr);
    EXPECT_LE(at.bottom(), above->mapTo(window, QPoint(0, 0)).y()) << "over what the window shows";
}
