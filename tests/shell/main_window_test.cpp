#include "common/desktop.h"
#include "common/tool_registry.h"
#include "message_recorder.h"
#include "shell/main_window.h"
#include "shell/menu_tree.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using corvalen::MainWindow;
using corvalen::MenuNode;

namespace {

struct OpenedUrls
{
    OpenedUrls() { previous = corvalen::setUrlOpener([this](const QString &u) { urls << u; }); }
    ~OpenedUrls() { corvalen::setUrlOpener(std::move(previous)); }
    QStringList urls;
    corvalen::UrlOpener previous;
};

// Every node of the menu tree, depth first in stored order.
QList<const MenuNode *> allNodes(const QList<MenuNode> &nodes)
{
    QList<const MenuNode *> out;
    for (const MenuNode &n : nodes)
        out << &n << allNodes(n.children);
    return out;
}

QStringList visibleCaptions(const QList<QAction *> &actions)
{
    QStringList out;
    for (const QAction *a : actions)
        if (a->isVisible())
            out << a->text();
    return out;
}

} // namespace

TEST(MenuTree, CountsAndTargetsOfItems)
{
    const QList<MenuNode> tree = corvalen::loadMenuTree();
    QMap<MenuNode::Action, int> count;
    QSet<QString> windows;
    QMap<QString, QString> targetOf;
    int hidden = 0;
    for (const MenuNode *n : allNodes(tree)) {
        targetOf.insert(n->caption, n->target);
        if (!n->visible) {
            ++hidden;
            continue;
        }
        ++count[n->action];
        if (n->action == MenuNode::Action::Window)
            windows.insert(n->target);
    }
    EXPECT_EQ(count[MenuNode::Action::Window], 108);
    EXPECT_EQ(windows.size(), 108) << "two visible items open one window";
    EXPECT_EQ(count[MenuNode::Action::Link], 14);
    EXPECT_EQ(count[MenuNode::Action::Accessory], 3);
    EXPECT_EQ(hidden, 3);  // the three dust calculators the menu holds hidden

    const std::pair<const char *, const char *> targets[] = {
        {"常用单位换算1", "浓度单位换算"},       {"常用单位换算2", "常用单位换算"},
        {"约_新模式_海湾5", "约_新模式1"},       {"饲料及粮食制粉颗粒物排放量", "饲料及粮食加工"},
        {"升级历史", "帮助内容"},                {"关于Corvalen", "frmAbout"},
        {"记事本", "NOTEPAD.EXE"},               {"计算器", "calc.exe"},
        {"画图", "mspaint.exe"},                 {"关于产排污量计算的说明", "note"},
        {"烟团模式", "风险评价之烟团模式"},      {"焦炭质量统计表", "焦炭质量统计表1"},
    };
    for (const auto &[caption, target] : targets)
        EXPECT_EQ(targetOf.value(caption), QString::fromUtf8(target)) << caption;
}

TEST(MainWindow, MenusInOrderAndItemsEnabledWhenTheirWindowIsRegistered)
{
    MainWindow w;
    EXPECT_EQ(visibleCaptions(w.menuBar()->actions()),
              QStringList({"气工具", "水工具", "声工具", "固废工具", "燃料废气工具", "风险评价工具",
                           "其它工具", "理化性质", "计算机小帮手", "Pemberlow", "帮助"}));
    // Menu, number of its visible entries, first and last of them.
    const struct { const char *menu; int size; const char *first, *last; } menus[] = {
        {"气工具", 7, "有害物质露天存放散发量计算", "空气污染指数（API）计算"},
        {"起尘量的计算", 4, "秦皇岛码头煤堆起尘量计算", "汽车道路扬尘计算"},
        {"相关行业产排污量计算", 24, "关于产排污量计算的说明", "制革行业污染物排放的计算"},
        {"燃料燃烧过程中大气污染物及排放系数", 10, "全国主要能源折算标准表", "焦炭质量统计表"},
        {"风险评价工具", 6, "风险评价蒸发量计算", "导则计算"},
        {"理化性质", 7, "突发性污染事故危险品档案库", "化工助手"},
        {"帮助", 3, "升级历史", "关于Corvalen"},
    };
    for (const auto &m : menus) {
        auto *menu = w.findChild<QMenu *>(QString::fromUtf8(m.menu));
        ASSERT_TRUE(menu) << m.menu;
        const QStringList items = visibleCaptions(menu->actions());
        EXPECT_EQ(items.size(), m.size) << m.menu;
        EXPECT_EQ(items.value(0), QString::fromUtf8(m.first)) << m.menu;
        EXPECT_EQ(items.value(items.size() - 1), QString::fromUtf8(m.last)) << m.menu;
    }
    const QList<MenuNode> tree = corvalen::loadMenuTree();
    for (const MenuNode *n : allNodes(tree)) {
        if (n->action == MenuNode::Action::Submenu)
            continue;
        QAction *a = w.findChild<QAction *>(n->caption);
        ASSERT_TRUE(a) << qPrintable(n->caption);
        EXPECT_EQ(a->isVisible(), n->visible) << qPrintable(n->caption);
        EXPECT_EQ(a->isEnabled(), n->action != MenuNode::Action::Window
                                      || corvalen::ToolRegistry::global().contains(n->target))
            << qPrintable(n->caption);
    }
}

// Every link item and contact label opens a placeholder address; each
// label opens exactly what it shows.
TEST(MainWindow, LinksAndContactLabelsOpenTheirTargets)
{
    OpenedUrls opened;
    MainWindow w;
    w.show();
    auto open = [&](const QString &caption) {
        opened.urls.clear();
        if (QAction *a = w.findChild<QAction *>(caption))
            a->trigger();
        else
            QTest::mouseClick(w.findChild<QLabel *>(caption), Qt::LeftButton);
        return opened.urls.value(0);
    };
    const std::pair<const char *, const char *> paths[] = {
        {"突发性污染事故危险品档案库", "/msds"}, {"化学品安全窗口", "/windows_huaxue/weihua_full.asp"},
        {"化学品安全卡", "/icsc/"}, {"MSDS", "/notices/"},
    };
    for (const auto &[caption, path] : paths)
        EXPECT_TRUE(open(caption).endsWith(QString::fromUtf8(path))) << caption;
    EXPECT_EQ(open("MSDS"), open("化工助手") + "/notices/");
    EXPECT_EQ(open("技术支持"), open("Label7"));
    QStringList sections;
    for (const QAction *a : w.findChild<QMenu *>("Pemberlow")->actions())
        sections << open(a->text()).section('/', -2);
    EXPECT_EQ(sections, QStringList({"sort/26", "sort/21", "sort/18", "sort/3", "sort/19", "sort/23"}));
    const QList<MenuNode> tree = corvalen::loadMenuTree();
    for (const MenuNode *n : allNodes(tree)) {
        if (n->action == MenuNode::Action::Link)
            EXPECT_TRUE(open(n->caption).contains(".example")) << qPrintable(n->caption);
    }

    // Frame2, top to bottom: label, tooltip, and the part of its text it opens.
    const struct { const char *name, *tooltip, *scheme; } contacts[] = {
        {"Label7", "点击即可访问！", "http:"}, {"Label4", "点击即可发送邮件！", "mailto:"},
        {"Label2", "点击即可发送邮件！", "mailto:"}};
    int previousTop = -1;
    for (const auto &c : contacts) {
        auto *label = w.findChild<QLabel *>(c.name);
        const QString url = open(c.name);
        EXPECT_TRUE(url.startsWith(c.scheme)) << c.name;
        EXPECT_TRUE(label->text().contains(url.mid(url.startsWith("mailto:") ? 7 : 0))) << c.name;
        EXPECT_EQ(label->toolTip(), QString::fromUtf8(c.tooltip));
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_GT(label->mapTo(&w, QPoint()).y(), previousTop) << c.name;
        previousTop = label->mapTo(&w, QPoint()).y();
    }
    // Frame1's handbooks, top to bottom by element of Label1, react to no click.
    previousTop = -1;
    for (const int element : {8, 7, 6, 4, 2, 0, 1, 5, 3}) {
        auto *label = w.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(element));
        ASSERT_TRUE(label) << element;
        EXPECT_GT(label->mapTo(&w, QPoint()).y(), previousTop) << element;
        previousTop = label->mapTo(&w, QPoint()).y();
        EXPECT_EQ(open(label->objectName()), QString()) << element;
    }
}

// An accessory starts the first program of its role found on PATH (names
// matched without regard to case); with none, one message and no start.
TEST(MainWindow, AccessoryStartsTheFirstProgramFound)
{
    EXPECT_EQ(corvalen::accessoryCandidates("NOTEPAD.EXE"), corvalen::accessoryCandidates("notepad.exe"));
    MainWindow w;
    QTemporaryDir dir;
    const QString second = dir.path() + "/" + corvalen::accessoryCandidates("calc.exe").at(1);
    QStringList started;
    auto previous = corvalen::setProgramStarter([&](const QString &p) {
        started << p;
        return true;
    });
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8());
    for (const bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "second candidate installed" : "none installed");
        if (installed) {
            QFile exe(second);
            ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
            exe.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        MessageRecorder messages;
        started.clear();
        w.findChild<QAction *>("计算器")->trigger();
        EXPECT_EQ(started, installed ? QStringList{second} : QStringList());
        EXPECT_EQ(messages.messages.size(), installed ? 0 : 1);
    }
    qputenv("PATH", oldPath);
    corvalen::setProgramStarter(std::move(previous));
}
