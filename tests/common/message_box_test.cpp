// The message box of the program, the real one: its text is reached with
// Tab and selected with Shift and the arrows; Ctrl+C copies the selection,
// or the whole message when nothing is selected.
#include "common/forms/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Shows the box and runs `act` on it once it is up, then dismisses it.
void withMessageBox(const QString &text, const std::function<void(QMessageBox *)> &act)
{
    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || acted)
            return;
        acted = true;
        QApplication::setActiveWindow(box);
        act(box);
        box->done(0);
    });
    poll.start(10);
    corvalen::MessageSink previous = corvalen::setMessageSink({});
    corvalen::showMessage(text);
    corvalen::setMessageSink(std::move(previous));
    EXPECT_TRUE(acted);
}

QString copied(QWidget *focus)
{
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->text();
}

TEST(MessageBox, TextIsSelectedAndCopiedByKeyboard)
{
    const QString text = QStringLiteral("请复制以下地址到浏览器中：https://portal.example/");
    withMessageBox(text, [&](QMessageBox *box) {
        QWidget *ok = box->button(QMessageBox::Ok);
        ASSERT_EQ(QApplication::focusWidget(), ok);
        EXPECT_EQ(copied(ok), text) << "nothing selected: the whole message";

        QTest::keyClick(ok, Qt::Key_Tab);
        auto *label = qobject_cast<QLabel *>(QApplication::focusWidget());
        ASSERT_NE(label, nullptr) << "Tab reaches the text";
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(copied(label), text) << "the text has the focus, nothing selected";

        QTest::keyClick(label, Qt::Key_Home);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(label, Qt::Key_Right, Qt::ShiftModifier);
        ASSERT_EQ(label->selectedText(), text.left(4));
        EXPECT_EQ(copied(label), label->selectedText());
    });
}

} // namespace
