#include "shell/main_window.h"

#include "common/files/addresses.h"
#include "common/forms/form.h"
#include "common/forms/controls.h"
#include "common/forms/desktop.h"
#include "common/forms/screen_fit.h"
#include "common/forms/tool_registry.h"
#include "shell/tray_icon.h"
#include "shell/tray_menu.h"
#include "shell/window_state.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <utility>

namespace corvalen {

QString MainWindow::caption()
{
    return QStringLiteral("Corvalen") + QString::number(CORVALEN_EDITION_YEAR) + QStringLiteral("版");
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("bCorvalen"));
    setWindowTitle(caption());
    setStyleSheet(QStringLiteral(
        "QMainWindow, QWidget#central, QGroupBox { background-color: rgb(192,0,0); }"
        "QGroupBox { border: 1px solid white; margin-top: 1.2em; padding: 6px; }"
        "QGroupBox::title { color: white; subcontrol-origin: margin; left: 8px; }"
        "QLabel { color: white; background: transparent; }"));

    buildMenus(loadMenuTree());
    buildHandbookFrame();
    // The window itself holds the focus it opens with, and gets it back when
    // it is active again, not the first contact link: Return opens nothing
    // until Tab has reached a link.
    setFocus();
    // Wide enough for the whole menu bar on one line, where the screen has
    // the room.
    resize(QSize(qMax(sizeHint().width(), menuBar()->sizeHint().width()), sizeHint().height())
               .boundedTo(roomOnScreen(this)));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    setUpTray();
}

MainWindow::~MainWindow() = default;

// The load step's share of the notification area: Timer1 ticks every
// second, LastState records the state (minimised counts as normal); the
// icon is added and gets its tooltip in installTrayIcon().
void MainWindow::setUpTray()
{
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::timerTick);
    m_timer->start();

    const qint16 state = windowStateCode(windowState());
    m_lastState = state == StateMinimised ? StateNormal : state;

    m_trayMenu = buildTrayMenu(this, [this] { return m_lastState; });
    m_tray = new TrayIcon(this);
    connect(m_tray, &TrayIcon::leftButtonReleased, this, &MainWindow::trayLeftButtonReleased);
}

void MainWindow::installTrayIcon()
{
    m_tray->install(this, m_trayMenu);
    m_tray->setTooltip(QStringLiteral("Corvalen，点击右键弹出菜单"));
}

void MainWindow::timerTick()
{
    if (!hideOnTick(isMinimized(), m_tray->isShown()))
        return;
    m_hold.hold();
    hide();
}

void MainWindow::trayLeftButtonReleased()
{
    if (isMinimized())
        bringBack(this, m_lastState);
}

// After every change of size or state: the popup's enabling, then
// LastState unless the window is minimised.
void MainWindow::resizeStep()
{
    if (!m_trayMenu)
        return;  // not loaded yet
    const qint16 state = windowStateCode(windowState());
    applyTrayEnabling(m_trayMenu, state);
    if (state != StateMinimised)
        m_lastState = state;
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    resizeStep();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        resizeStep();
}

// The unload step removes the icon only: open tool windows stay open and
// the program ends with the last of them.
void MainWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    m_tray->remove();
    m_hold.release(this, true);
}

void MainWindow::buildMenus(const QList<MenuNode> &tree)
{
    for (const MenuNode &top : tree) {
        QMenu *menu = menuBar()->addMenu(top.caption);
        menu->setObjectName(top.caption);
        m_unfilledMenus.append({menu, top});
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::completeMenus);
    }
}

void MainWindow::completeMenus()
{
    for (const auto &[menu, top] : std::exchange(m_unfilledMenus, {})) {
        for (const MenuNode &child : top.children)
            addNode(menu, child);
    }
}

void MainWindow::addNode(QMenu *menu, const MenuNode &node)
{
    if (node.action == MenuNode::Action::Submenu) {
        QMenu *sub = menu->addMenu(node.caption);
        sub->setObjectName(node.caption);
        for (const MenuNode &child : node.children)
            addNode(sub, child);
        return;
    }
    QAction *action = menu->addAction(node.caption);
    action->setObjectName(node.caption);
    action->setVisible(node.visible);
    const QString target = node.target;
    switch (node.action) {
    case MenuNode::Action::Window:
        // A window that no toolbox has registered yet stays visible but
        // cannot be chosen.
        action->setEnabled(ToolRegistry::global().contains(target));
        m_windowItems.append({action, target});
        connect(action, &QAction::triggered, this, [target] { ShowToolWindow(target); });
        break;
    case MenuNode::Action::Link: {
        const int colon = target.indexOf(QLatin1Char(':'));
        const QString url = siteAddress(target.left(colon), target.mid(colon + 1));
        action->setData(url);
        connect(action, &QAction::triggered, this, [url] { OpenWithDefaultHandler(url); });
        break;
    }
    case MenuNode::Action::Accessory:
        connect(action, &QAction::triggered, this, [target] { StartAccessory(target); });
        break;
    case MenuNode::Action::Submenu:
        break;
    }
}

void MainWindow::enableRegisteredItems()
{
    for (const auto &[action, window] : m_windowItems)
        action->setEnabled(ToolRegistry::global().contains(window));
}

void MainWindow::buildHandbookFrame()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    auto *layout = new QVBoxLayout(central);

    auto *frame1 = new QGroupBox(QStringLiteral("计算依据及参考书籍："), central);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *books = new QVBoxLayout(frame1);
    // Top to bottom, with the element number of the label array Label1.
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
    for (const auto &[element, text] : handbooks) {
        auto *label = new QLabel(QString::fromUtf8(text), frame1);
        label->setObjectName(QStringLiteral("Label1_%1").arg(element));
        books->addWidget(label);
    }
    layout->addWidget(frame1);

    auto *holder = new QWidget(central);
    Form form(holder);
    form.top().grid()->setContentsMargins(0, 0, 0, 0);
    Panel contacts = form.top().frame("Frame2", QString());
    contacts.link("Label7", QStringLiteral("   Pemberlow：") + addresses::portal, addresses::portal,
                  QStringLiteral("点击即可访问！"));
    contacts.link("Label4", QStringLiteral("请与我们联系：") + addresses::authorMail,
                  QStringLiteral("mailto:") + addresses::authorMail, QStringLiteral("点击即可发送邮件！"));
    contacts.link("Label2", addresses::contributorNick + QLatin1Char('<') + addresses::contributorMail + QLatin1Char('>'),
                  QStringLiteral("mailto:") + addresses::contributorMail, QStringLiteral("点击即可发送邮件！"));
    layout->addWidget(holder);
    setCentralWidget(central);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_hold.release(this, false);
    resizeStep();
    Q_EMIT shown();
}

} // namespace corvalen
