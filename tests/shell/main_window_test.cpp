#include "shell_test.h"
#include "common/forms/desktop.h"
#include "common/files/addresses.h"
#include "common/forms/form.h"
#include "shell/main_window.h"
#include "shell/menu_tree.h"

using corvalen::MainWindow;
using corvalen::MenuNode;

namespace {

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

// The menu tree: the actions by kind, a few targets that are easily
// mixed up, the order of the menus; an item opening a window is enabled
// exactly when that window is registered, and every window is.
TEST(MainWindow, MenuTreeAndItsItems)
{
    MainWindow w;
    w.completeMenus();
    const QList<MenuNode> tree = corvalen::loadMenuTree();
    QMap<MenuNode::Action, int> count;
    QSet<QString> windows;
    QMap<QString, QString> targetOf;
    int hidden = 0;
    for (const MenuNode *n : allNodes(tree)) {
        targetOf.insert(n->caption, n->target);
        if (n->action == MenuNode::Action::Submenu)
            continue;
        QAction *a = w.findChild<QAction *>(n->caption);
        ASSERT_TRUE(a) << qPrintable(n->caption);
        EXPECT_EQ(a->isVisible(), n->visible) << qPrintable(n->caption);
        EXPECT_EQ(a->isEnabled(), n->action != MenuNode::Action::Window
                                      || corvalen::ToolRegistry::global().contains(n->target))
            << qPrintable(n->caption);
        if (!n->visible) {
            ++hidden;
            continue;
        }
        ++count[n->action];
        if (n->action == MenuNode::Action::Window) {
            windows.insert(n->target);
            EXPECT_TRUE(corvalen::ToolRegistry::global().contains(n->target))
                << "no window behind " << qPrintable(n->caption);
        }
    }
    EXPECT_EQ(count[MenuNode::Action::Window], 119);
    EXPECT_EQ(windows.size(), 119) << "two visible items open one window";
    EXPECT_EQ(count[MenuNode::Action::Link], 14);
    EXPECT_EQ(count[MenuNode::Action::Accessory], 3);
    EXPECT_EQ(hidden, 0);

    const std::pair<const char *, const char *> targets[] = {
        {"常用单位换算1", "浓度单位换算"},       {"常用单位换算2", "常用单位换算"},
        {"约_新模式_海湾5", "约_新模式1"},       {"饲料及粮食制粉颗粒物排放量", "饲料及粮食加工"},
        {"升级历史", "帮助内容"},                {"关于Corvalen", "frmAbout"},
        {"记事本", "NOTEPAD.EXE"},               {"计算器", "calc.exe"},
        {"画图", "mspaint.exe"},                 {"关于产排污量计算的说明", "note"},
        {"烟团模式", "风险评价之烟团模式"},      {"焦炭质量统计表", "焦炭质量统计表1"},
        {"混合层高度计算", "混合层高度计算1"},   {"烟气抬升高度计算", "烟气抬升高度计算1"},
    };
    for (const auto &[caption, target] : targets)
        EXPECT_EQ(targetOf.value(caption), QString::fromUtf8(target)) << caption;

    EXPECT_EQ(visibleCaptions(w.menuBar()->actions()),
              QStringList({"气工具", "水工具", "声工具", "固废工具", "燃料废气工具", "风险评价工具",
                           "其它工具", "理化性质", "计算机小帮手", "Pemberlow", "帮助"}));
    // Menu, number of its visible entries, first and last of them.
    const struct { const char *menu; int size; const char *first, *last; } menus[] = {
        {"起尘量的计算", 8, "秦皇岛码头煤堆起尘量计算", "相关起尘量计算的资料"},
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
    EXPECT_EQ(visibleCaptions(w.findChild<QMenu *>("气工具")->actions()).join('|'),
              "有害物质露天存放散发量计算|固定顶罐的呼吸排放量和工作排放量计算|设备和管道不严密处有害气体散发量计算|"
              "各类贮罐大小呼吸量计算(石油库设计节能导则）|起尘量的计算|经验系数|导则计算|空气污染指数（API）计算");
}

// Every link item and contact label opens a placeholder address; each
// label opens exactly what it shows.
// The window is built with the menu titles alone; a menu opened before the
// program fills them has its items all the same, once.
TEST(MainWindow, MenusAreFilledAtTheirFirstOpening)
{
    MainWindow w;
    const QList<MenuNode> tree = corvalen::loadMenuTree();
    for (const MenuNode &top : tree) {
        QMenu *menu = w.findChild<QMenu *>(top.caption);
        ASSERT_TRUE(menu) << qPrintable(top.caption);
        EXPECT_TRUE(menu->actions().isEmpty()) << qPrintable(top.caption);
    }
    QMenu *first = w.findChild<QMenu *>(tree.first().caption);
    for (int opening = 0; opening < 2; ++opening) {
        Q_EMIT first->aboutToShow();
        EXPECT_EQ(first->actions().size(), tree.first().children.size());
    }
    EXPECT_EQ(w.findChild<QMenu *>(tree.last().caption)->actions().size(), tree.last().children.size());
}

TEST(MainWindow, LinksAndContactLabelsOpenTheirTargets)
{
    QString opened;
    const corvalen::UrlOpener previous = corvalen::setUrlOpener([&](const QString &u) { opened = u; return true; });
    MainWindow w;
    w.completeMenus();
    w.show();
    auto open = [&](const QString &caption) {  // an item's or a label's click
        opened.clear();
        if (QAction *a = w.findChild<QAction *>(caption))
            a->trigger();
        else
            QTest::mouseClick(w.findChild<QLabel *>(caption), Qt::LeftButton);
        return opened;
    };
    // Every link in menu order: its path, on a placeholder host.
    QStringList paths;
    const QList<MenuNode> tree = corvalen::loadMenuTree();
    for (const MenuNode *n : allNodes(tree)) {
        if (n->action != MenuNode::Action::Link)
            continue;
        const QUrl url(open(n->caption));
        EXPECT_TRUE(url.host().endsWith(".example")) << qPrintable(n->caption);
        paths << url.path();
    }
    EXPECT_EQ(paths.join('|'), "/msds|/windows_huaxue/weihua_full.asp||/icsc/|/notices/|||"
                               "/sort/26|/sort/21|/sort/18|/sort/3|/sort/19|/sort/23|");
    EXPECT_EQ(open("MSDS"), open("化工助手") + "/notices/");
    EXPECT_EQ(open("技术支持"), open("Label7"));  // the portal's home page
    for (const QAction *a : w.findChild<QMenu *>("Pemberlow")->actions())
        EXPECT_TRUE(open(a->text()).startsWith(open("Label7") + "/sort/")) << qPrintable(a->text());

    // Top to bottom: Frame1's handbooks by element of Label1, which react
    // to no click, then Frame2's contacts.
    int previousTop = -1;
    for (const char *name : {"Label1_8", "Label1_7", "Label1_6", "Label1_4", "Label1_2", "Label1_0",
                             "Label1_1", "Label1_5", "Label1_3", "Label7", "Label4", "Label2"}) {
        auto *label = w.findChild<QLabel *>(name);
        ASSERT_TRUE(label) << name;
        EXPECT_GT(label->mapTo(&w, QPoint()).y(), previousTop) << name;
        previousTop = label->mapTo(&w, QPoint()).y();
        EXPECT_EQ(open(name).isEmpty(), label->parentWidget()->objectName() == "Frame1") << name;
    }
    // A contact label opens exactly what it shows (after "mailto:").
    const struct { const char *name, *tooltip, *scheme; } contacts[] = {
        {"Label7", "点击即可访问！", ""}, {"Label4", "点击即可发送邮件！", "mailto:"},
        {"Label2", "点击即可发送邮件！", "mailto:"}};
    for (const auto &c : contacts) {
        auto *label = w.findChild<QLabel *>(c.name);
        const QString url = open(c.name);
        EXPECT_TRUE(url.startsWith(c.scheme) && label->text().contains(url.mid(strlen(c.scheme)))) << c.name;
        EXPECT_EQ(label->toolTip(), QString::fromUtf8(c.tooltip));
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    }
    corvalen::setUrlOpener(previous);
}

// The main window opens with no link focused or drawn as focused, and gets
// none back when it is active again after a tool window: Return there opens
// nothing. Tab and Shift+Tab reach the contact links, which open on Return
// or Enter what a click opens and read as links.
TEST(MainWindow, ContactLinksTakeTabButNotTheFirstFocus)
{
    QString opened;
    const corvalen::UrlOpener previous = corvalen::setUrlOpener([&](const QString &u) { opened = u; return true; });
    const QStringList names = {"Label7", "Label4", "Label2"};
    MainWindow w;
    w.show();
    const QStringList clicked = {corvalen::addresses::portal, "mailto:" + corvalen::addresses::authorMail,
                                 "mailto:" + corvalen::addresses::contributorMail};
    for (const QString &name : names) {
        auto *link = w.findChild<QLabel *>(name);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(link);
        EXPECT_EQ(iface->role(), QAccessible::Link) << qPrintable(name);
        EXPECT_EQ(iface->text(QAccessible::Name), corvalen::accessibleText(link->text())) << qPrintable(name);
    }
    auto pressInWindow = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        opened.clear();
        QTest::keyClick(w.windowHandle(), key, modifiers);
        return opened;
    };
    auto noLinkFocused = [&](const char *when) {
        SCOPED_TRACE(when);
        for (const QString &name : names) {
            auto *link = w.findChild<QLabel *>(name);
            EXPECT_FALSE(link->hasFocus()) << qPrintable(name);
            EXPECT_FALSE(link->font().underline()) << qPrintable(name);
        }
        EXPECT_EQ(pressInWindow(Qt::Key_Return), QString());
        EXPECT_EQ(pressInWindow(Qt::Key_Enter), QString());
    };
    QApplication::setActiveWindow(&w);
    noLinkFocused("at the start");
    QWidget *tool = openToolWindow(QStringLiteral("石灰窑废气产生量"))->widget();
    QApplication::setActiveWindow(tool);
    tool->close();
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(&w);
    noLinkFocused("after a tool window");

    for (int i = 0; i < 3; ++i) {
        pressInWindow(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), w.findChild<QLabel *>(names.at(i))) << i;
        EXPECT_TRUE(QApplication::focusWidget()->font().underline()) << i;
        EXPECT_EQ(pressInWindow(Qt::Key_Return), clicked.at(i)) << i;
        EXPECT_EQ(pressInWindow(Qt::Key_Enter), clicked.at(i)) << i;
    }
    pressInWindow(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.findChild<QLabel *>(names.at(1)));
    corvalen::setUrlOpener(previous);
}

// An accessory item starts the first program of its role found on PATH
// ("NOTEPAD.EXE" is the role notepad.exe); with none, one message and no start.
TEST(MainWindow, AccessoryStartsTheFirstProgramFound)
{
    MainWindow w;
    w.completeMenus();
    QTemporaryDir dir;
    const QString second = dir.path() + "/" + corvalen::accessoryCandidates("notepad.exe").at(1);
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
        w.findChild<QAction *>("记事本")->trigger();
        EXPECT_EQ(started, installed ? QStringList{second} : QStringList());
        EXPECT_EQ(messages.messages.size(), installed ? 0 : 1);
    }
    qputenv("PATH", oldPath);
    corvalen::setProgramStarter(std::move(previous));
}
