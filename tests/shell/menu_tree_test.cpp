#include "common/addresses.h"
#include "shell/main_window.h"
#include "shell/menu_tree.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <gtest/gtest.h>

using corvalen::MenuNode;

namespace {

void collect(const QList<MenuNode> &nodes, QList<const MenuNode *> &out)
{
    for (const MenuNode &n : nodes) {
        out.append(&n);
        collect(n.children, out);
    }
}

const MenuNode *findByCaption(const QList<MenuNode> &nodes, const QString &caption)
{
    for (const MenuNode &n : nodes) {
        if (n.caption == caption)
            return &n;
        if (const MenuNode *hit = findByCaption(n.children, caption))
            return hit;
    }
    return nullptr;
}

QStringList captions(const QList<MenuNode> &nodes, bool visibleOnly = true)
{
    QStringList out;
    for (const MenuNode &n : nodes)
        if (n.visible || !visibleOnly)
            out << n.caption;
    return out;
}

} // namespace

TEST(MenuTree, TopLevelMenusInOrder)
{
    const auto tree = corvalen::loadMenuTree();
    EXPECT_EQ(captions(tree),
              QStringList({"气工具", "水工具", "声工具", "固废工具", "燃料废气工具", "风险评价工具",
                           "其它工具", "理化性质", "计算机小帮手", "Pemberlow", "帮助"}));
}

TEST(MenuTree, CountsOfItemsByAction)
{
    const auto tree = corvalen::loadMenuTree();
    QList<const MenuNode *> all;
    collect(tree, all);
    int windows = 0, links = 0, accessories = 0, hidden = 0;
    QSet<QString> windowNames;
    for (const MenuNode *n : all) {
        switch (n->action) {
        case MenuNode::Action::Window:
            if (!n->visible) {
                ++hidden;
                break;
            }
            ++windows;
            windowNames.insert(n->target);
            break;
        case MenuNode::Action::Link: ++links; break;
        case MenuNode::Action::Accessory: ++accessories; break;
        case MenuNode::Action::Submenu: break;
        }
    }
    EXPECT_EQ(windows, 108);
    EXPECT_EQ(windowNames.size(), 108) << "two visible items open one window";
    EXPECT_EQ(links, 14);
    EXPECT_EQ(accessories, 3);
    EXPECT_EQ(windows + links + accessories, 125);
    EXPECT_EQ(hidden, 3);  // the three dust calculators the menu holds hidden
}

TEST(MenuTree, SubmenusAndOrder)
{
    const auto tree = corvalen::loadMenuTree();
    const MenuNode *air = findByCaption(tree, "气工具");
    ASSERT_TRUE(air);
    EXPECT_EQ(captions(air->children),
              QStringList({"有害物质露天存放散发量计算", "固定顶罐的呼吸排放量和工作排放量计算",
                           "设备和管道不严密处有害气体散发量计算",
                           "各类贮罐大小呼吸量计算(石油库设计节能导则）", "起尘量的计算", "经验系数",
                           "空气污染指数（API）计算"}));
    const MenuNode *dust = findByCaption(air->children, "起尘量的计算");
    ASSERT_TRUE(dust);
    EXPECT_EQ(captions(dust->children),
              QStringList({"秦皇岛码头煤堆起尘量计算", "秦皇岛码头装卸起尘量计算", "某港口道路扬尘计算",
                           "汽车道路扬尘计算"}));
    EXPECT_EQ(captions(dust->children, false).size(), 7);

    const MenuNode *fuelTables = findByCaption(tree, "燃料燃烧过程中大气污染物及排放系数");
    ASSERT_TRUE(fuelTables);
    EXPECT_EQ(fuelTables->children.size(), 10);
    EXPECT_EQ(fuelTables->children.first().target, "全国主要能源折算标准表1");
    EXPECT_EQ(fuelTables->children.last().target, "焦炭质量统计表1");

    const MenuNode *water = findByCaption(tree, "相关行业产排污量计算");
    ASSERT_TRUE(water);
    EXPECT_EQ(water->children.size(), 24);

    const MenuNode *risk = findByCaption(tree, "风险评价工具");
    ASSERT_TRUE(risk);
    EXPECT_EQ(risk->children.last().caption, "导则计算");
    EXPECT_EQ(risk->children.last().children.at(0).target, "风险评价之烟团模式");
}

TEST(MenuTree, ItemTargets)
{
    const auto tree = corvalen::loadMenuTree();
    const struct
    {
        const char *caption;
        const char *target;
    } cases[] = {
        {"常用单位换算1", "浓度单位换算"},
        {"常用单位换算2", "常用单位换算"},
        {"约_新模式_海湾5", "约_新模式1"},
        {"饲料及粮食制粉颗粒物排放量", "饲料及粮食加工"},
        {"升级历史", "帮助内容"},
        {"关于Corvalen", "frmAbout"},
        {"记事本", "NOTEPAD.EXE"},
        {"计算器", "calc.exe"},
        {"画图", "mspaint.exe"},
        {"关于产排污量计算的说明", "note"},
    };
    for (const auto &c : cases) {
        const MenuNode *n = findByCaption(tree, c.caption);
        ASSERT_TRUE(n) << c.caption;
        EXPECT_EQ(n->target, c.target) << c.caption;
    }
}

TEST(MenuTree, LinksKeepTheirPathsAndShareSites)
{
    const auto tree = corvalen::loadMenuTree();
    auto url = [&](const char *caption) {
        const MenuNode *n = findByCaption(tree, caption);
        const int colon = n->target.indexOf(':');
        return corvalen::siteAddress(n->target.left(colon), n->target.mid(colon + 1));
    };
    EXPECT_TRUE(url("突发性污染事故危险品档案库").endsWith(".example/msds"));
    EXPECT_TRUE(url("化学品安全窗口").endsWith("/windows_huaxue/weihua_full.asp"));
    EXPECT_TRUE(url("化学品安全卡").endsWith("/icsc/"));
    EXPECT_EQ(url("MSDS"), url("化工助手") + "/notices/");
    EXPECT_EQ(url("技术支持"), corvalen::addresses::portal);
    const MenuNode *portal = findByCaption(tree, "Pemberlow");
    QStringList paths;
    for (const MenuNode &n : portal->children)
        paths << n.target.mid(n.target.indexOf(':') + 1);
    EXPECT_EQ(paths, QStringList({"/sort/26", "/sort/21", "/sort/18", "/sort/3", "/sort/19", "/sort/23"}));
    QList<const MenuNode *> all;
    collect(tree, all);
    for (const MenuNode *n : all) {
        if (n->action == MenuNode::Action::Link) {
            EXPECT_TRUE(url(n->caption.toUtf8().constData()).contains(".example")) << n->caption.toStdString();
        }
    }
}
