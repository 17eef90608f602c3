#include "window_driver.h"

#include "common/forms/form.h"
#include "common/forms/tool_registry.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvalen;

// QTest::keyClicks asserts on characters it has no key for (Chinese text,
// control characters): those go as key events that carry the character.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        const char ascii = c.toLatin1();
        if (ascii >= 0x20 && ascii < 0x7f) {
            QTest::keyClick(widget, ascii);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QCoreApplication::sendEvent(widget, &release);
    }
}

namespace {

QWidget *mouseTarget(QWidget *widget)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        return area->viewport();
    return widget;
}

} // namespace

WindowDriver::WindowDriver(const QString &windowName, bool fresh) : m_name(windowName)
{
    if (fresh)
        ToolRegistry::global().resetInstances();
    EXPECT_TRUE(ToolRegistry::global().contains(windowName)) << windowName.toStdString();
    ShowToolWindow(windowName);
}

ToolWindow *WindowDriver::instance() const
{
    return ToolRegistry::global().existingInstance(m_name);
}

QWidget *WindowDriver::window() const
{
    ToolWindow *w = instance();
    return w ? w->widget() : nullptr;
}

void WindowDriver::set(const QString &name, const QString &text)
{
    QWidget *widget = find(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    writeControl(widget, text);
}

void WindowDriver::type(const QString &name, const QString &text)
{
    QWidget *widget = find(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    if (!widget)
        return;
    if (auto *list = qobject_cast<QComboBox *>(widget); list && list->lineEdit())
        widget = list->lineEdit();
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->selectAll();
    widget->setFocus();
    typeText(widget, text);
}

QLineEdit *WindowDriver::boxByLabel(const QString &label) const
{
    if (!window())
        return nullptr;
    for (auto *box : window()->findChildren<QLineEdit *>()) {
        if (box->accessibleName() == label)
            return box;
    }
    ADD_FAILURE() << "no box labelled " << label.toStdString();
    return nullptr;
}

void WindowDriver::typeByLabel(const QString &label, const QString &text)
{
    if (QLineEdit *box = boxByLabel(label))
        type(box->objectName(), text);
}

void WindowDriver::press(const QString &name)
{
    auto *button = find<QAbstractButton>(name);
    EXPECT_NE(button, nullptr) << "no button " << name.toStdString();
    if (button)
        button->click();
}

void WindowDriver::click(const QString &name)
{
    QWidget *widget = find(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    if (widget)
        QTest::mouseClick(mouseTarget(widget), Qt::LeftButton);
}

void WindowDriver::doubleClick(const QString &name)
{
    QWidget *widget = find(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    if (widget)
        QTest::mouseDClick(mouseTarget(widget), Qt::LeftButton);
}

void WindowDriver::choose(const QString &listName, const QString &item)
{
    auto *list = find<QComboBox>(listName);
    EXPECT_NE(list, nullptr) << "no list " << listName.toStdString();
    if (!list)
        return;
    const int index = list->findText(item, Qt::MatchExactly);
    EXPECT_GE(index, 0) << "no item " << item.toStdString();
    if (index < 0)
        return;
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

QString WindowDriver::text(const QString &name) const
{
    QWidget *widget = find(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    return controlText(widget);
}

void WindowDriver::close()
{
    if (ToolWindow *w = instance())
        w->close();
}

void WindowDriver::reopen()
{
    close();
    ShowToolWindow(m_name);
}

bool WindowDriver::screenshot(const QString &path) const
{
    // Pending layout requests first, so that the picture shows what a user
    // would see after the last action.
    QCoreApplication::processEvents();
    return window() && window()->grab().save(path);
}
