#include "shell/about_window.h"

#include "common/addresses.h"
#include "shell/program_icon.h"
#include "shell/sys_info.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace corvalen {
namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

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
    auto *grid = new QGridLayout(window);

    auto *icon = addLabel(window, "picIcon", QString());
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    grid->addWidget(icon, 0, 0, 2, 1);

    QLabel *title = addLabel(window, "lblTitle", QString());
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    grid->addWidget(title, 0, 1);
    grid->addWidget(addLabel(window, "lblVersion", QStringLiteral("版本")), 1, 1);

    auto *frame = new QGroupBox(window);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(addLabel(frame, "Label1",
                                    QStringLiteral("电子邮件：%1\n即时通讯号：%2")
                                        .arg(addresses::authorMail, addresses::messengerNumber)));
    grid->addWidget(frame, 2, 1, 1, 2);

    // Top to bottom: the contact note, the two buttons, the etched rule
    // Line1, the disclaimer.
    QPushButton *ok = addButton(window, "cmdOK", QStringLiteral("确定"));
    QPushButton *sysInfo = addButton(window, "cmdSysInfo", QStringLiteral("系统信息(&S)..."));
    ok->setDefault(true);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    grid->addLayout(buttons, 3, 2);

    auto *rule = new QFrame(window);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 4, 0, 1, 3);

    QLabel *disclaimer = addLabel(
        window, "lblDisclaimer",
        QStringLiteral("本程序引用《八五环境统计手册》、《环境保护计算手册》、《工业污染物产生和排放系数手册》、"
                       "《环境影响评价培训教材》《环境风险评价实用技术与方法》等书中的资料和公式，表示感谢！"));
    disclaimer->setWordWrap(true);
    grid->addWidget(disclaimer, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
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
}

} // namespace corvalen
