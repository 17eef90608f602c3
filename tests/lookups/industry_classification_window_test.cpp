// 国民经济行业分类与代码检索1 through its controls.
#include "lookups/industry_classification.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QComboBox>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("国民经济行业分类与代码检索1");

TEST(IndustryClassificationWindow, SectionModeThenKeywordMode)
{
    WindowDriver w(kWindow);
    EXPECT_TRUE(w.find("Combo1")->isVisibleTo(w.window()));
    EXPECT_FALSE(w.find("Text1")->isVisibleTo(w.window()));
    EXPECT_EQ(w.find<QComboBox>("Combo1")->count(), 20);
    EXPECT_EQ(w.text("Combo1"), QString()) << "no section chosen at load";

    w.choose("Combo1", QStringLiteral("T 国际组织"));
    const QString section = classificationResultHeader()
                            + QStringLiteral("你所查询的大类别下有以下记录，你也可以试试关键字检索！\n\n")
                            + QStringLiteral("T 国际组织\r\n98 国际组织\r\n9800 国际组织\r\n");
    EXPECT_EQ(w.text("RichTextBox1"), section);

    w.press("Option2");
    EXPECT_EQ(w.text("Label4"), QStringLiteral("输入检索行业类别的关键字："));
    EXPECT_TRUE(w.find("Text1")->isVisibleTo(w.window()));
    EXPECT_FALSE(w.find("Combo1")->isVisibleTo(w.window()));
    EXPECT_EQ(w.text("RichTextBox1"), section) << "switching the mode keeps the result";

    w.press("Command1");  // the default keyword 化工
    EXPECT_EQ(w.text("RichTextBox1"), IndustryClassification::builtIn().keywordResult(QStringLiteral("化工")));
    EXPECT_TRUE(w.text("RichTextBox1").contains(QStringLiteral("\n6369 其他化工产品批发 \r\n")));

    w.press("Option1");
    EXPECT_EQ(w.text("Combo1"), QStringLiteral("T 国际组织")) << "the last pick stays";
}

TEST(IndustryClassificationWindow, RefusedKeywordsChangeNothing)
{
    WindowDriver w(kWindow);
    w.press("Option2");
    for (const QString &keyword : {QString(), QStringLiteral("0111"), QStringLiteral("abc"), QStringLiteral(" 化工")}) {
        MessageRecorder messages;
        w.set("Text1", keyword);
        w.press("Command1");
        ASSERT_EQ(messages.messages.size(), 1) << keyword.toStdString();
        EXPECT_TRUE(messages.messages[0].startsWith(QStringLiteral("你输入检索行业类别的关键字为空")));
        EXPECT_EQ(w.text("RichTextBox1"), QString());
    }
    w.typeByLabel(QStringLiteral("检索行业类别的关键字"), QStringLiteral("代码"));
    w.press("Command1");
    EXPECT_TRUE(w.text("RichTextBox1").endsWith(QStringLiteral("检索无记录，请重新输入")));
}

} // namespace
