// 产业结构调整指导目录 through its controls, and its full-text window.
#include "common/forms/tool_registry.h"
#include "common/forms/tool_window.h"
#include "lookups/industry_catalogue.h"
#include "expect_notice.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("产业结构调整指导目录");
const QString kFullText = QStringLiteral("产业结构调整目录全文");
const QString kAskForKeyword = QStringLiteral("请输入你要查询的关键字");
// The class texts lack most published items, so no hit is no proof.
const QString kNoHit = QStringLiteral("查无此项目\r\n（所附目录文本不完整，查无此项目不表示目录中没有此项目）");
const QString kNotice = QStringLiteral("注意：本程序所附目录文本不完整，查询结果仅供参考。");


TEST(IndustryCatalogueWindow, SearchesTheChosenClass)
{
    WindowDriver w(kWindow);
    EXPECT_EQ(w.text("Text1"), QStringLiteral("太阳能"));
    EXPECT_EQ(w.find<QComboBox>("Combo1")->count(), 3);
    EXPECT_EQ(w.text("Combo1"), QString()) << "no class chosen at load";

    MessageRecorder messages;
    w.press("Command1");
    EXPECT_EQ(w.text("Text2"), QString()) << "no class: the result emptied";
    EXPECT_EQ(w.text("Frame1"), QStringLiteral("查询结果"));

    w.choose("Combo1", QStringLiteral("鼓励类"));
    w.press("Command1");
    EXPECT_EQ(w.text("Frame1"), QStringLiteral("你查询的关键词属鼓励的有以下项目："));
    EXPECT_EQ(w.text("Text2"), searchCatalogue(u"鼓励类", u"太阳能").result);

    w.choose("Combo1", QStringLiteral("淘汰类"));
    w.press("Command1");
    EXPECT_EQ(w.text("Frame1"), QStringLiteral("你查询的关键词属淘汰类的有以下项目："));

    w.set("Combo1", QStringLiteral("其他"));  // typed, no class
    w.press("Command1");
    EXPECT_EQ(w.text("Text2"), QString());
    EXPECT_EQ(w.text("Frame1"), QStringLiteral("你查询的关键词属淘汰类的有以下项目：")) << "the caption stays";
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST(IndustryCatalogueWindow, RefusedKeywordsChangeNothing)
{
    WindowDriver w(kWindow);
    w.choose("Combo1", QStringLiteral("鼓励类"));
    w.press("Command1");
    const QString shown = w.text("Text2");
    const QString longKeyword = u'a' + QString(20000, u'能');
    for (const QString &keyword : {QStringLiteral(" 太阳能"), QStringLiteral("5G"), QStringLiteral("abc"), longKeyword}) {
        MessageRecorder messages;
        w.set("Text1", keyword);
        w.press("Command1");
        ASSERT_EQ(messages.messages.size(), 1) << keyword.left(10).toStdString();
        EXPECT_TRUE(messages.messages[0].startsWith(QStringLiteral("你输入检索行业类别的关键字为空")));
        EXPECT_EQ(w.text("Text2"), shown);
    }
    MessageRecorder messages;
    for (const QString &keyword : {QStringLiteral("１２"), QStringLiteral("（太阳能）"), QString(20000, u'能')}) {
        w.set("Text1", keyword);
        w.press("Command1");
        EXPECT_EQ(w.text("Text2"), kNoHit) << keyword.left(10).toStdString();
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST(IndustryCatalogueWindow, AnEmptiedKeywordIsNamedAtOnce)
{
    WindowDriver w(kWindow);
    MessageRecorder messages;
    w.set("Text1", QString());
    EXPECT_EQ(messages.messages, QStringList{kAskForKeyword});
    w.choose("Combo1", QStringLiteral("限制类"));
    EXPECT_EQ(messages.messages, QStringList(2, kAskForKeyword));
    EXPECT_EQ(w.text("Combo1"), QStringLiteral("限制类")) << "the class stays chosen";
    w.press("Command1");
    EXPECT_EQ(messages.messages.size(), 3) << "the search refuses the empty keyword";
    EXPECT_EQ(w.text("Frame1"), QStringLiteral("查询结果"));
}

// The catalogue texts are incomplete and both windows say so; a search that
// finds nothing says that it proves nothing.
TEST(IndustryCatalogueWindow, BothWindowsWarnThatTheTextsAreIncomplete)
{
    WindowDriver w(kWindow);
    expectNotice(w.window(), kNotice, w.find("Label1"), w.find("Frame1"));
    w.set("Text1", QStringLiteral("交通"));
    w.choose("Combo1", QStringLiteral("鼓励类"));
    w.press("Command1");
    EXPECT_EQ(w.text("Frame1"), QStringLiteral("你查询的关键词属鼓励的有以下项目："));
    EXPECT_EQ(w.text("Text2"), kNoHit);

    w.press("Command2");
    ToolWindow *full = ToolRegistry::global().existingInstance(kFullText);
    ASSERT_TRUE(full && full->widget());
    expectNotice(full->widget(), kNotice, nullptr, full->widget()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1")));
    ToolRegistry::global().resetInstances();
}

TEST(IndustryCatalogueWindow, FullTextOpensApartAndStaysOpen)
{
    WindowDriver w(kWindow);
    w.press("Command2");
    ToolWindow *full = ToolRegistry::global().existingInstance(kFullText);
    ASSERT_NE(full, nullptr);
    ASSERT_TRUE(full->widget() && full->widget()->isVisible());
    EXPECT_EQ(full->widget()->windowTitle(), QStringLiteral("2011产业结构调整指导目录全文"));
    auto *box = full->widget()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    ASSERT_NE(box, nullptr);
    const QString text = box->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("产业结构调整指导目录（2011年本）\n第一类  鼓励类\n一、农林业\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("（十二）其他\n第 2 页 共 112 页")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n第三类  淘汰类\n一、落后生产工艺装备\n（一）农林业\n")));
    w.close();
    EXPECT_TRUE(full->widget() && full->widget()->isVisible());
    ToolRegistry::global().resetInstances();
}

} // namespace
