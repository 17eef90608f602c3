#include "shell/about_window.h"

#include "common/files/addresses.h"
#include "common/forms/form.h"
#include "shell/program_icon.h"
#include "shell/sys_info.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace corvalen {
QString applicationTitle()
{
    return QStringLiteral("Corvalen");
}

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("版本 %1.%2.%3").arg(major).arg(minor).arg(revision);
}

void AboutWindow::build(QWidget *window)
{
    Form form(window);
    Panel head = form.top().line();
    QLabel *icon = head.label("picIcon", QString());
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Panel names = head.columns(1)[0];
    QLabel *title = names.label("lblTitle", QString());
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    names.label("lblVersion", QStringLiteral("版本"));
    head.stretch();

    // Top to bottom: the contact note, the two buttons, the etched rule
    // Line1, the disclaimer.
    form.top()
        .frame("Frame1", QString())
        .label("Label1", QStringLiteral("电子邮件：%1\n即时通讯号：%2").arg(addresses::authorMail, addresses::messengerNumber));
    Panel buttonRow = form.top().line();
    buttonRow.stretch();
    Panel buttons = buttonRow.columns(1)[0];
    QPushButton *ok = buttons.button("cmdOK", QStringLiteral("确定"));
    QPushButton *sysInfo = buttons.button("cmdSysInfo", QStringLiteral("系统信息(&S)..."));
    ok->setDefault(true);
    form.top().rule("Line1");
    form.top()
        .label("lblDisclaimer",
               QStringLiteral("本程序引用《八五环境统计手册》、《环境保护计算手册》、《工业污染物产生和排放系数手册》、"
                              "《环境影响评价培训教材》《环境风险评价实用技术与方法》等书中的资料和公式，表示感谢！"))
        ->setWordWrap(true);
    window->setFixedWidth(460);

    QObject::connect(ok, &QPushButton::clicked, window, [ok] { CloseOwnWindow(ok); });
    QObject::connect(sysInfo, &QPushButton::clicked, window, [] { StartSysInfo(); });
    // 确定 is the cancel button (Esc) and the default button (Enter, unless
    // another button has the focus, which Enter then presses).
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, ok, &QPushButton::click);
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), window);
        QObject::connect(enter, &QShortcut::activated, window, [window, ok] {
            auto *focused = qobject_cast<QPushButton *>(window->focusWidget());
            (focused ? focused : ok)->click();
        });
    }
}

void AboutWindow::load()
{
    QWidget *window = widget();
    window->setWindowTitle(QStringLiteral("关于 ") + applicationTitle());
    window->findChild<QLabel *>(QStringLiteral("lblVersion"))
        ->setText(versionText(CORVALEN_VERSION_MAJOR, CORVALEN_VERSION_MINOR, CORVALEN_VERSION_PATCH));
    window->findChild<QLabel *>(QStringLiteral("lblTitle"))->setText(applicationTitle());
    // The icon reads as the program it stands for.
    window->findChild<QLabel *>(QStringLiteral("picIcon"))->setAccessibleName(applicationTitle());
}

} // namespace corvalen
