#include "shell/help_window.h"

#include "shell/help_topics.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QMouseEvent>
#include <QTextEdit>
#include <QStyleFactory>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvalen {
namespace {

constexpr int keyRole = Qt::UserRole;

// Runs `handler` when a left mouse button is released anywhere in the
// tree: on a node, its plus or minus button or the empty part. The tree has
// moved its selection by then, on the press. A press on the empty part
// only gives the tree the focus: the selected node stays selected.
class ClickWatcher : public QObject
{
public:
    ClickWatcher(QTreeWidget *tree, std::function<void()> handler)
        : QObject(tree), m_tree(tree), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool mouse = event->type() == QEvent::MouseButtonPress
                           || event->type() == QEvent::MouseButtonRelease
                           || event->type() == QEvent::MouseButtonDblClick;
        if (!mouse)
            return QObject::eventFilter(watched, event);
        const auto *mouseEvent = static_cast<QMouseEvent *>(event);
        if (event->type() == QEvent::MouseButtonRelease && mouseEvent->button() == Qt::LeftButton)
            m_handler();
        if (event->type() != QEvent::MouseButtonRelease
            && !m_tree->indexAt(mouseEvent->position().toPoint()).isValid()) {
            m_tree->setFocus(Qt::MouseFocusReason);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTreeWidget *m_tree;
    std::function<void()> m_handler;
};

// The nodes made visible at load, in this order: their branches open and
// the tree ends scrolled to the last of them.
const char *const shownAtLoad[] = {"R12", "R14", "R5", "R6", "R713", "R8"};

} // namespace

void HelpWindow::build(QWidget *window)
{
    window->setWindowTitle(QStringLiteral("帮助内容"));
    window->resize(820, 520);
    auto *layout = new QHBoxLayout(window);

    auto *frame1 = new QGroupBox(QStringLiteral("帮助目录"), window);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *treeLayout = new QVBoxLayout(frame1);
    m_tree = new QTreeWidget(frame1);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setAccessibleName(QStringLiteral("帮助目录"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    treeLayout->addWidget(m_tree);
    layout->addWidget(frame1, 2);

    auto *frame2 = new QGroupBox(QStringLiteral("帮助内容"), window);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *paneLayout = new QVBoxLayout(frame2);
    m_pane = new QTextEdit(frame2);
    m_pane->setObjectName(QStringLiteral("RichTextBox1"));
    m_pane->setAccessibleName(QStringLiteral("帮助内容"));
    m_pane->setAcceptRichText(false);
    paneLayout->addWidget(m_pane);
    layout->addWidget(frame2, 3);

    m_tree->viewport()->installEventFilter(new ClickWatcher(m_tree, [this] { treeClicked(); }));
}

void HelpWindow::load()
{
    const QList<HelpTopic> &topics = helpTopics();
    QHash<QString, QTreeWidgetItem *> items;
    for (const HelpTopic &topic : topics) {
        auto *item = topic.parent.isEmpty() ? new QTreeWidgetItem(m_tree)
                                            : new QTreeWidgetItem(items.value(topic.parent));
        item->setText(0, topic.title);
        item->setData(0, keyRole, topic.key);
        items.insert(topic.key, item);
    }
    for (const char *key : shownAtLoad) {
        QTreeWidgetItem *item = items.value(QString::fromLatin1(key));
        for (QTreeWidgetItem *up = item->parent(); up; up = up->parent())
            up->setExpanded(true);
        m_tree->scrollToItem(item);
    }
    // Lines, plus and minus buttons and text; lines join the roots too.
    m_tree->setRootIsDecorated(true);
    // Lines joining the nodes and the roots, with plus and minus buttons: the
    // classic tree look, which the desktop's own style may not draw.
    static QStyle *const linedTree = QStyleFactory::create(QStringLiteral("Windows"));
    if (linedTree)
        m_tree->setStyle(linedTree);
    m_tree->setFrameShape(QFrame::Box);

    // The opening text: the first topic's title and its notice.
    Values &values = this->values<Values>();
    values.text = helpPaneText(topics.first());
    m_pane->setPlainText(values.text);
    // The pane follows the current node however it became current: the
    // mouse, the arrow keys, Home and End, a typed letter. The opening text
    // is the first topic's, the node the tree makes current on its first
    // focus.
    QObject::connect(m_tree, &QTreeWidget::currentItemChanged, m_pane, [this](QTreeWidgetItem *current) {
        if (current)
            treeClicked();
    });
}

void HelpWindow::treeClicked()
{
    QTreeWidgetItem *selected = m_tree->currentItem();
    // The desktop's tree always has a node selected once it has the focus;
    // before that a click changes nothing.
    if (!selected)
        return;
    Values &values = this->values<Values>();
    values.title = selected->text(0);
    const HelpTopic *topic = helpTopicByTitle(helpTopics(), values.title);
    values.text = topic ? helpPaneText(*topic) : QString();
    m_pane->setPlainText(values.text);
}

} // namespace corvalen
