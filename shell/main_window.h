#pragma once

#include "shell/menu_tree.h"

#include <QMainWindow>
#include <QTimer>

class QMenu;

namespace corvalen {

// The start-up window bCorvalen: the menu tree of every toolbox, the framed
// list of handbooks and the three contact links. It computes nothing.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The window state to return to from the notification area:
    // 0 normal, 2 maximised, never 1.
    qint16 lastState() const { return m_lastState; }

    static QString caption();

Q_SIGNALS:
    void shown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus(const QList<MenuNode> &tree);
    void addNode(QMenu *menu, const MenuNode &node);
    void buildHandbookFrame();

    qint16 m_lastState = 0;
    QTimer *m_timer = nullptr;  // Timer1
};

} // namespace corvalen
