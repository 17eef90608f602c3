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
