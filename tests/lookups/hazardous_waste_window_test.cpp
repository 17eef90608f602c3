// 危险废物名录查询1 through its controls, and the list's document window.
#include "common/forms/tool_registry.h"
#include "common/forms/tool_window.h"
#include "lookups/hazardous_waste_list.h"
#include "expect_notice.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QComboBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("危险废物名录查询1");
const QString kDocument = QStringLiteral("国家危险废物名录全文");

TEST(HazardousWasteWindow, ChoiceShowsTheNameAndTheQueryTheEntry)
{
    WindowDriver w(kWindow);
    auto *codes = w.find<QComboBox>("Combo1");
    ASSERT_EQ(codes->count(), 47);
    EXPECT_EQ(codes->itemText(0), QStringLiteral("HW01"));
    EXPECT_EQ(codes->itemText(46), QStringLiteral("HW47"));
    EXPECT_EQ(w.text("Combo1"), QString());

    MessageRecorder messages;
    w.press("Command1");  // nothing chosen: the first block
    const QString first = *wasteEntry(hazardousWasteListText(), u"HW01");
    EXPECT_EQ(w.text("Text3"), first);
    EXPECT_EQ(w.text("Text4"), QString());

    w.choose("Combo1", QStringLiteral("HW42"));
    EXPECT_EQ(w.text("Text4"), QStringLiteral("HW42\r\n废有机溶剂\r"));
    EXPECT_EQ(w.text("Text3"), first) << "the entry waits for the query";

    w.choose("Combo1", QStringLiteral("HW47"));
    w.press("Command1");
    EXPECT_EQ(w.text("Text4"), QStringLiteral("HW47\r\n含钡废物\r"));
    EXPECT_EQ(w.text("Text3") + u'\n', hazardousWasteListText().mid(hazardousWasteListText().indexOf(QStringLiteral("HW47"))));

    w.set("Combo1", QStringLiteral("hw01"));  // typed: the code box keeps what it shows
    EXPECT_EQ(w.text("Text4"), QStringLiteral("HW47\r\n含钡废物\r"));
    w.press("Command1");
    EXPECT_EQ(w.text("Text3"), first);

    for (const QString &typed : {QStringLiteral("hw47"), QStringLiteral("HW48"), QString(5000, u'废')}) {
        w.set("Combo1", typed);
        w.press("Command1");
        EXPECT_EQ(w.text("Text3"), first) << typed.left(8).toStdString() << ": the entry stays";
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

// The list lacks the bodies of HW02 to HW47, and both windows say so in red
// over what they show.
TEST(HazardousWasteWindow, BothWindowsWarnThatTheListIsIncomplete)
{
    const QString notice = QStringLiteral("注意：本程序所附名录文本不完整，缺少HW02至HW47的废物来源和常见危害组分。");
    WindowDriver w(kWindow);
    w.press("Command3");
    ToolWindow *document = ToolRegistry::global().existingInstance(kDocument);
    ASSERT_TRUE(document && document->widget());
    expectNotice(w.window(), notice, w.find("Label1"), w.find("Combo1"));
    expectNotice(document->widget(), notice, nullptr, document->widget()->findChild<QWidget *>(QStringLiteral("OLE1")));
    ToolRegistry::global().resetInstances();
}

TEST(HazardousWasteWindow, DocumentOpensFromTheQueryAndShowsTheList)
{
    WindowDriver w(kWindow);
    w.press("Command3");
    ToolWindow *document = ToolRegistry::global().existingInstance(kDocument);
    ASSERT_NE(document, nullptr);
    QWidget *window = document->widget();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), kDocument);
    auto *box = window->findChild<QTextBrowser *>(QStringLiteral("OLE1"));
    ASSERT_NE(box, nullptr);
    const QString text = box->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("国家危险废物名录\n\n")));
    EXPECT_TRUE(box->document()->findBlockByNumber(1).blockFormat().hasProperty(
        QTextFormat::BlockTrailingHorizontalRulerWidth))
        << "a rule under the title";
    // The table as text: cells joined by tabs or line breaks.
    for (const QString &code : hazardousWasteCodes()) {
        const qsizetype at = text.indexOf(code);
        ASSERT_GE(at, 0) << code.toStdString();
        const QString name = wasteCodeAndName(hazardousWasteListText(), code)->mid(6).chopped(1);
        EXPECT_EQ(text.mid(at + 5, name.size()), name) << code.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("——废水处理污泥")));

    auto *activate = window->findChild<QPushButton *>(QStringLiteral("Command5"));
    auto *close = window->findChild<QPushButton *>(QStringLiteral("CommandClose"));
    ASSERT_TRUE(activate && close);
    EXPECT_EQ(activate->text(), QStringLiteral("激活（复原）查看"));
    EXPECT_EQ(close->text(), QStringLiteral("关闭文档"));
    ToolRegistry::global().resetInstances();
}

} // namespace
