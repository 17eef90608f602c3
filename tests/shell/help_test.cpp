#include "shell_test.h"
#include "shell/help_topics.h"

using namespace corvalen;

namespace {

// The open help window's tree and pane.
struct HelpFixture : ::testing::Test
{
    void SetUp() override
    {
        window = openToolWindow(QStringLiteral("帮助内容"));
        tree = window->widget()->findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
        pane = window->widget()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        window->widget()->resize(820, 520);
        QApplication::processEvents();
    }
    void TearDown() override { window->close(); }

    static QStringList lines(const QString &title) { return helpTopicByTitle(helpTopics(), title)->lines; }
    QTreeWidgetItem *item(const QString &title) const
    {
        const auto found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
        return found.value(0);
    }
    // A left click on the node's text, or on its plus or minus button.
    void click(const QString &title, bool onButton = false)
    {
        QTreeWidgetItem *node = item(title);
        tree->scrollToItem(node);
        QApplication::processEvents();
        const QRect rect = tree->visualItemRect(node);
        const QPoint at = onButton ? QPoint(rect.left() - tree->indentation() / 2, rect.center().y())
                                   : rect.center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    }

    ToolWindow *window = nullptr;
    QTreeWidget *tree = nullptr;
    QTextEdit *pane = nullptr;
};

} // namespace

// Every topic in the order the tree is built, with its number of lines;
// every address a placeholder, nothing left unexpanded.
TEST(HelpTopics, EveryTopicInOrderWithItsLines)
{
    const QRegularExpression address(QStringLiteral("[A-Za-z0-9.]+@[A-Za-z0-9.]+|https?://[A-Za-z0-9.]+"));
    QStringList keys;
    for (const HelpTopic &t : helpTopics()) {
        keys << t.key + ':' + QString::number(t.lines.size());
        const QString text = helpPaneText(t);
        EXPECT_FALSE(text.contains(QLatin1Char('{'))) << qPrintable(t.key);
        for (auto it = address.globalMatch(text); it.hasNext();)
            EXPECT_TRUE(it.next().captured().endsWith(QStringLiteral(".example"))) << qPrintable(t.key);
    }
    EXPECT_EQ(keys.join(' '), "R1:1 R11:1 R12:6 R13:4 R14:1 R2:2 R21:1 R22:1 R3:2 R31:1 R32:1 R33:1 R34:1 "
                              "R35:1 R36:2 R37:1 R38:1 R39:1 R4:1 R41:1 R42:1 R5:1 R6:1 R7:1 R72:14 R73:8 "
                              "R74:5 R75:6 R76:6 R77:2 R78:1 R79:9 R710:3 R711:6 R712:6 R713:4 R8:5");
}

TEST(HelpTopics, MalformedFilesAreRejected)
{
    const std::pair<const char *, const char *> cases[] = {
        {"text before a topic", "|    text\n"},
        {"unknown placeholder", "@R1\t-\tA\n|    {nobody}\n"},
        {"key twice", "@R1\t-\tA\n|x\n@R1\t-\tB\n|x\n"},
        {"unknown parent", "@R11\tR1\tA\n|x\n"},
        {"key not below parent", "@R1\t-\tA\n|x\n@R21\tR1\tB\n|x\n"},
        {"unknown flag", "@R1\t-\tA\tbold\n|x\n"},
        {"no title", "@R1\t-\n|x\n"},
        {"topic without text", "@R1\t-\tA\n"},
        {"stray line", "@R1\t-\tA\n|x\nR2\n"},
    };
    for (const auto &[name, text] : cases) {
        QString error;
        EXPECT_FALSE(parseHelpTopics(QString::fromUtf8(text), &error)) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }
}

TEST_F(HelpFixture, OpensWithItsTreeAndOpeningText)
{
    QStringList roots;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        roots << tree->topLevelItem(i)->text(0);
        EXPECT_EQ(tree->topLevelItem(i)->isExpanded(), i == 0 || i == 6) << qPrintable(roots.last());
    }
    EXPECT_EQ(roots.join(QLatin1Char('|')),
              QStringLiteral("关于Corvalen|关于《八五环境统计手册》|关于《工业污染物产生和排放系数手册》|"
                             "关于《上岗培训教材》|关于《环境保护计算手册》|关于《环境保护实用数据手册》|"
                             "升级历史|意见和建议"));
    EXPECT_EQ(item(QStringLiteral("关于Corvalen"))->childCount(), 4);
    EXPECT_EQ(item(QStringLiteral("升级历史"))->childCount(), 12);
    EXPECT_EQ(pane->toPlainText(), QStringLiteral("关于Corvalen\n") + lines("关于Corvalen").at(0));
}

TEST_F(HelpFixture, ClickShowsTheTopicsPaneText)
{
    const QStringList r713 = lines("V5.2");
    struct Row { QString title; QString text; };
    const Row rows[] = {
        {QStringLiteral("升级历史"), QStringLiteral("升级历史\n    介绍软件的编制过程及升级情况！")},
        {QStringLiteral("制作人员"), QStringLiteral("制作人员\n") + lines("制作人员").mid(0, 4).join(QLatin1Char('\n'))
                                         + QStringLiteral("\n\n    在此，对参与软件编制、测试的其它人员表示感谢")},
        {QStringLiteral("关于Ostrandel"), lines("关于Ostrandel").at(0)},
        {QStringLiteral("V5.2"), QStringLiteral("V5.2\n    本版修正如下：\n") + r713.at(1) + QLatin1Char('\n') + r713.at(2)
                                     + QStringLiteral("\n    如有任何问题或是建议，请及时至Pemberlow反馈！")},
        {QStringLiteral("关于《环境保护实用数据手册》"),
         QStringLiteral("关于《环境保护实用数据手册》\n    主编 \u3000本书提供了污染物排放、废气废水废渣治理等方面的大量实用数据。")},
        {QStringLiteral("升级历史"), QStringLiteral("升级历史\n    介绍软件的编制过程及升级情况！")},
    };
    for (const Row &row : rows) {
        click(row.title);
        EXPECT_EQ(pane->toPlainText(), row.text) << qPrintable(row.title);
    }
    EXPECT_TRUE(lines("关于Ostrandel").at(0).startsWith(QStringLiteral("     Ostrandel")));  // five blanks
}

// Clicks that select no node leave the pane as it was; the next click on a
// node shows that node's text.
TEST_F(HelpFixture, PlusButtonAndEmptyPartKeepThePaneText)
{
    click(QStringLiteral("升级历史"));
    const QString shown = pane->toPlainText();
    const QRect last = tree->visualItemRect(item(QStringLiteral("意见和建议")));
    const QPoint below(last.center().x(), last.bottom() + 10);
    ASSERT_TRUE(tree->viewport()->rect().contains(below));
    ASSERT_FALSE(tree->indexAt(below).isValid());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, below);
    EXPECT_TRUE(item(QStringLiteral("升级历史"))->isSelected());
    EXPECT_EQ(pane->toPlainText(), shown);

    QTreeWidgetItem *branch = item(QStringLiteral("关于《工业污染物产生和排放系数手册》"));
    ASSERT_FALSE(branch->isExpanded());
    click(branch->text(0), /*onButton=*/true);
    EXPECT_TRUE(branch->isExpanded());
    EXPECT_EQ(pane->toPlainText(), shown);
}

// A keyboard user reads every topic: the pane follows the current node
// whether the arrow keys, Home, End or a typed letter made it current.
TEST_F(HelpFixture, KeyboardMovesThePaneWithTheCurrentNode)
{
    click(QStringLiteral("升级历史"));
    tree->setFocus();
    struct Row
    {
        const char *what;
        Qt::Key key;
        QString current;
    };
    const Row rows[] = {
        {"down", Qt::Key_Down, QStringLiteral("V1.0")},
        {"up", Qt::Key_Up, QStringLiteral("升级历史")},
        {"end", Qt::Key_End, QStringLiteral("意见和建议")},
        {"home", Qt::Key_Home, QStringLiteral("关于Corvalen")},
        {"letter", Qt::Key_V, QStringLiteral("V1.0")},
    };
    for (const Row &row : rows) {
        QTest::keyClick(tree, row.key);
        ASSERT_TRUE(tree->currentItem()) << row.what;
        EXPECT_EQ(tree->currentItem()->text(0), row.current) << row.what;
        const HelpTopic *topic = helpTopicByTitle(helpTopics(), row.current);
        ASSERT_TRUE(topic) << row.what;
        EXPECT_EQ(pane->toPlainText(), helpPaneText(*topic)) << row.what;
    }
}
