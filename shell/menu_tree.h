#pragma once

#include <QList>
#include <QString>

namespace corvalen {

// One node of the main window's menu tree, as read from data/shell/menu.tsv.
struct MenuNode
{
    enum class Action { Submenu, Window, Link, Accessory };
    QString caption;
    Action action = Action::Submenu;
    QString target;       // window name, "site:path" or program name
    bool visible = true;  // false for the items the menu holds hidden
    QList<MenuNode> children;
};

// Parses the menu tree's text; throws DataFileFailure on a malformed line.
QList<MenuNode> parseMenuTree(const QString &text);
// Reads and parses the menu tree; a file that cannot be read or a malformed
// line stops the program with the file, the line and the reason.
QList<MenuNode> loadMenuTree(const QString &resourcePath = QStringLiteral(":/data/shell/menu.tsv"));

} // namespace corvalen
