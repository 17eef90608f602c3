#include "shell/menu_tree.h"

#include "common/files/data_file.h"
#include "shell/data_files.h"

#include <QStringList>

namespace corvalen {

QList<MenuNode> parseMenuTree(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));

    QList<MenuNode> roots;
    QList<MenuNode *> stack;  // stack[d] is the open submenu at depth d
    int lineNo = 0;
    for (const QString &raw : lines) {
        ++lineNo;
        if (raw.trimmed().isEmpty() || raw.startsWith(QLatin1Char('#')))
            continue;
        int depth = 0;
        while (depth < raw.size() && raw.at(depth) == QLatin1Char('\t'))
            ++depth;
        const QStringList cols = raw.mid(depth).split(QLatin1Char('\t'));
        auto fail = [&](const char *why) { throw DataFileFailure{lineNo, QString::fromLatin1(why)}; };
        if (depth > stack.size())
            fail("indented deeper than its menu");
        stack.resize(depth);

        MenuNode node;
        node.caption = cols.at(0);
        if (cols.size() == 1) {
            node.action = MenuNode::Action::Submenu;
        } else if (cols.size() == 3) {
            const QString &kind = cols.at(1);
            node.target = cols.at(2);
            if (kind == QLatin1String("window")) {
                node.action = MenuNode::Action::Window;
            } else if (kind == QLatin1String("hidden")) {
                node.action = MenuNode::Action::Window;
                node.visible = false;
            } else if (kind == QLatin1String("link")) {
                node.action = MenuNode::Action::Link;
            } else if (kind == QLatin1String("accessory")) {
                node.action = MenuNode::Action::Accessory;
            } else {
                fail("unknown action");
            }
        } else {
            fail("expected a caption, or caption, action and target");
        }
        if (depth == 0 && node.action != MenuNode::Action::Submenu)
            fail("a top-level line must be a menu");

        QList<MenuNode> &siblings = depth == 0 ? roots : stack.back()->children;
        siblings.append(node);
        if (node.action == MenuNode::Action::Submenu)
            stack.append(&siblings.back());
    }
    return roots;
}

QList<MenuNode> loadMenuTree(const QString &resourcePath)
{
    QList<MenuNode> tree = loadBuiltInDataFile(resourcePath, parseMenuTree);
    // Read before the first paint; the check after it need not read it again.
    noteDataFileRead(resourcePath);
    return tree;
}

} // namespace corvalen
