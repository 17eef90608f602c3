// Qt's own texts (standard buttons, the text boxes' context menu) are the
// Chinese ones that the program loads at start.
#include "common/forms/message_box.h"
#include "shell_test.h"

#include <utility>

namespace {

// The texts of the real message box's buttons, read while it is shown and
// then dismissed.
QStringList messageBoxButtons()
{
    QStringList captions;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *button : box->buttons())
            captions.append(button->text());
        box->done(0);
    });
    poll.start(10);
    // The real box, not the tests' recorder.
    corvalen::MessageSink previous = corvalen::setMessageSink({});
    corvalen::showMessage(QStringLiteral("测试"));
    corvalen::setMessageSink(std::move(previous));
    return captions;
}

TEST(QtTexts, MessageBoxButtonIsChinese)
{
    EXPECT_EQ(messageBoxButtons().join(u'|').toStdString(), "确定");
}

TEST(QtTexts, TextBoxContextMenuIsChinese)
{
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    // Captions without their accelerator "(&U)" and shortcut.
    QStringList captions;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            captions.append(action->text().section(QLatin1Char('('), 0, 0).section(QLatin1Char('\t'), 0, 0));
    }
    EXPECT_EQ(captions.join(u'|').toStdString(), "撤消|重做|剪切|复制|粘贴|删除|全选");
}

} // namespace
