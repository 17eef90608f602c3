#include "common/desktop.h"
#include "common/tool_registry.h"
#include "message_recorder.h"
#include "shell/main_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using corvalen::MainWindow;

namespace {

struct OpenedUrls
{
    OpenedUrls()
    {
        previous = corvalen::setUrlOpener([this](const QString &u) { urls << u; });
    }
    ~OpenedUrls() { corvalen::setUrlOpener(std::move(previous)); }
    QStringList urls;
    corvalen::UrlOpener previous;
};

QAction *action(MainWindow &w, const QString &caption)
{
    return w.findChild<QAction *>(caption);
}

} // namespace

TEST(MainWindow, CaptionAndMenuBar)
{
    MainWindow w;
    EXPECT_TRUE(w.windowTitle().startsWith("Corvalen"));
    EXPECT_TRUE(w.windowTitle().endsWith("版"));
    QStringList menus;
    for (QAction *a : w.menuBar()->actions())
        if (a->isVisible())
            menus << a->text();
    EXPECT_EQ(menus.size(), 11);
    EXPECT_EQ(menus.first(), "气工具");
    EXPECT_EQ(menus.last(), "帮助");
}

TEST(MainWindow, WindowItemsEnabledExactlyWhenRegistered)
{
    MainWindow w;
    int checked = 0;
    for (QAction *a : w.findChildren<QAction *>()) {
        if (a->menu() || a->isSeparator() || a->objectName().isEmpty())
            continue;
        const QVariant url = a->data();
        if (url.isValid() || a->text() == "记事本" || a->text() == "计算器" || a->text() == "画图") {
            EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
            continue;
        }
        ++checked;
    }
    EXPECT_GE(checked, 108);
    QAction *kiln = action(w, "石灰窑废气量");
    ASSERT_TRUE(kiln);
    EXPECT_EQ(kiln->isEnabled(), corvalen::ToolRegistry::global().contains("石灰窑废气产生量"));
}

TEST(MainWindow, LinksOpenTheirTargets)
{
    OpenedUrls opened;
    MainWindow w;
    action(w, "技术支持")->trigger();
    w.show();
    QTest::mouseClick(w.findChild<QLabel *>("Label7"), Qt::LeftButton);
    QTest::mouseClick(w.findChild<QLabel *>("Label4"), Qt::LeftButton);
    ASSERT_EQ(opened.urls.size(), 3);
    EXPECT_EQ(opened.urls[0], opened.urls[1]);  // 技术支持 and Label7 open one page
    EXPECT_TRUE(opened.urls[2].startsWith("mailto:"));
    EXPECT_TRUE(w.findChild<QLabel *>("Label4")->text().endsWith(opened.urls[2].mid(7)));
    // The handbook labels react to no click.
    QTest::mouseClick(w.findChild<QLabel *>("Label1_8"), Qt::LeftButton);
    EXPECT_EQ(opened.urls.size(), 3);
}

TEST(MainWindow, AccessoryWithoutAnyProgramShowsOneMessage)
{
    MessageRecorder messages;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", "/nonexistent-corvalen");
    MainWindow w;
    action(w, "计算器")->trigger();
    qputenv("PATH", oldPath);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains("计算器"));
}

TEST(Accessories, MappingIsCaseInsensitiveAndStartsFirstFound)
{
    EXPECT_FALSE(corvalen::accessoryCandidates("notepad.exe").isEmpty());
    EXPECT_EQ(corvalen::accessoryCandidates("NOTEPAD.EXE"), corvalen::accessoryCandidates("notepad.exe"));
    EXPECT_TRUE(corvalen::accessoryCandidates("winword.exe").isEmpty());

    // A PATH holding only the second candidate of the calculator role.
    QTemporaryDir dir;
    const QString second = corvalen::accessoryCandidates("calc.exe").at(1);
    QFile exe(dir.path() + "/" + second);
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.write("#!/bin/sh\n");
    exe.close();
    exe.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStringList started;
    auto previous = corvalen::setProgramStarter([&](const QString &p) {
        started << p;
        return true;
    });
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8());
    MessageRecorder messages;
    corvalen::StartAccessory("calc.exe");
    qputenv("PATH", oldPath);
    corvalen::setProgramStarter(std::move(previous));
    EXPECT_EQ(started, QStringList{dir.path() + "/" + second});
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST(MainWindow, FramesShowHandbooksAndContacts)
{
    MainWindow w;
    w.show();
    // Frame1's labels from top to bottom, with their element of Label1.
    const std::pair<int, const char *> handbooks[] = {
        {8, "《八五环境统计手册》"},
        {7, "《工业污染物产生和排放系数手册》国家环境保护总局标准司"},
        {6, "《环境保护计算手册》"},
        {4, "《环境影响评价上岗培训教材》国家环境保护总局环境影响评价管理司"},
        {2, "《环境统计报表填报指南》  国这环境保护总局规划与财务司 "},
        {0, "《化工原理》"},
        {1, "《环境保护实用数据手册》"},
        {5, "《环境风险评价实用技术与方法》"},
        {3, "《工业污染源产排污系数手册》（2010上、中、下）"},
    };
    int previousTop = -1;
    for (const auto &[element, text] : handbooks) {
        auto *label = w.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(element));
        ASSERT_TRUE(label) << element;
        EXPECT_EQ(label->text(), QString::fromUtf8(text));
        EXPECT_EQ(label->parentWidget()->objectName(), "Frame1");
        const int top = label->mapTo(&w, QPoint(0, 0)).y();
        EXPECT_GT(top, previousTop) << element;
        previousTop = top;
    }

    // Frame2's contact labels from top to bottom.
    const std::pair<const char *, const char *> contacts[] = {
        {"Label7", "点击即可访问！"}, {"Label4", "点击即可发送邮件！"}, {"Label2", "点击即可发送邮件！"}};
    previousTop = -1;
    for (const auto &[name, tooltip] : contacts) {
        auto *label = w.findChild<QLabel *>(QString::fromLatin1(name));
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->parentWidget()->objectName(), "Frame2");
        EXPECT_EQ(label->toolTip(), QString::fromUtf8(tooltip));
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        const int top = label->mapTo(&w, QPoint(0, 0)).y();
        EXPECT_GT(top, previousTop) << name;
        previousTop = top;
    }
    EXPECT_TRUE(w.findChild<QLabel *>("Label7")->text().startsWith(QStringLiteral("   Pemberlow：")));
    EXPECT_TRUE(w.findChild<QLabel *>("Label4")->text().startsWith(QStringLiteral("请与我们联系：")));
}
