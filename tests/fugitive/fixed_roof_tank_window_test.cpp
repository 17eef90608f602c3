// The fixed-roof tank window through its boxes: the live factors C and KN,
// the product options, the press with its zero message, the explanation
// buttons and the source text window. Every case opens the window fresh.
#include "common/forms/form.h"
#include "common/forms/input_helpers.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_script.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("固定顶罐的呼吸排放量和工作排放量");
const QString kSource = QStringLiteral("固顶贮罐呼吸排放量和工作排放量资料");
const QString kZeroMessage = QStringLiteral("请检查你的各项参数的输入，你输入的参数中有为0的选项!请重新输入");

struct Case
{
    const char *name;
    std::vector<Act> acts;
    int zeroMessages = 0;
};

TEST(FixedRoofTankWindow, FactorsAndLosses)
{
    const Case cases[] = {
        {"worked example",
         {type("Text3", "10"), shows("Text7", "1"), type("Text10", "100"), shows("Text9", ".45108"), press("Command8"),
          shows("Text11", "513.959073"), shows("Text12", ".186031")}},
        {"K at most 36",
         {type("Text3", "10"), type("Text10", "36"), shows("Text9", "1"), press("Command8"), shows("Text12", ".412413")}},
        {"K typed and emptied again",
         {type("Text3", "10"), type("Text10", "100"), set("Text10", ""), shows("Text9", "1"), press("Command8"),
          shows("Text12", ".412413")}},
        {"diameter boundaries",
         {type("Text3", "9"), shows("Text7", "1"), type("Text3", "5"), shows("Text7", ".8032"), set("Text3", ""),
          shows("Text7", ".")}},
        {"turnover boundaries",
         {type("Text10", "36"), shows("Text9", "1"), type("Text10", "36.5"), shows("Text9", ".91576"),
          type("Text10", "220"), shows("Text9", ".25922"), type("Text10", "221"), shows("Text9", "0.26")}},
        {"a press right after opening", {press("Command8"), shows("Text11", "."), shows("Text12", ".")}},
        {"M zero",
         {type("Text3", "10"), type("Text10", "100"), type("Text1", "0"), press("Command8"), shows("Text11", "."),
          shows("Text12", ".")},
         1},
        {"KN typed as zero",
         {type("Text3", "10"), type("Text9", "0"), press("Command8"), shows("Text11", "513.959073"),
          shows("Text12", ".")},
         1},
        {"K zero is not tested",
         {type("Text3", "10"), type("Text10", "0"), shows("Text9", "1"), press("Command8"),
          shows("Text11", "513.959073"), shows("Text12", ".412413")}},
        {"D emptied",
         {type("Text3", "10"), type("Text10", "100"), set("Text3", ""), press("Command8"), shows("Text11", "."),
          shows("Text12", ".186031")}},
        {"P at 100910",
         {type("Text3", "10"), type("Text10", "100"), type("Text2", "100910"), press("Command8"),
          shows("Text11", "."), shows("Text12", "1.858656")}},
        {"options write KC",
         {press("Option2"), shows("Text8", "1"), press("Option1"), shows("Text8", "0.65")}},
        {"other liquids",
         {type("Text3", "10"), type("Text10", "100"), press("Option2"), press("Command8"),
          shows("Text11", "790.706266"), shows("Text12", ".286202")}},
        {"a typed C counts until D is written again, the same text included",
         {type("Text3", "10"), type("Text10", "100"), type("Text7", "0.5"), press("Command8"),
          shows("Text11", "256.979537"), set("Text3", "10"), shows("Text7", "1"), press("Command8"),
          shows("Text11", "513.959073")}},
        {"neither factor nor option computes the losses",
         {type("Text3", "10"), type("Text10", "100"), press("Option2"), shows("Text11", ""), shows("Text12", "")}},
    };
    for (const Case &c : cases) {
        WindowDriver window(kWindow);
        MessageRecorder messages;
        runScript(window, c.acts, c.name);
        EXPECT_EQ(messages.messages.size(), c.zeroMessages) << c.name;
        for (const QString &message : messages.messages)
            EXPECT_EQ(message, kZeroMessage) << c.name;
    }
}

// Reopening shows the texts and the option of the first opening again.
TEST(FixedRoofTankWindow, OpensWithItsDesignTextsAgain)
{
    WindowDriver window(kWindow);
    const auto texts = [&window] {
        QStringList all;
        for (auto *box : window.window()->findChildren<TextBox *>())
            all << box->objectName() + '=' + box->text();
        return all << (window.find<QRadioButton>("Option1")->isChecked() ? "Option1" : "Option2");
    };
    const QStringList atOpen = texts();
    runScript(window, {type("Text3", "10"), type("Text10", "100"), press("Option2"), press("Command8")}, "used");
    ASSERT_NE(texts(), atOpen);
    window.reopen();
    EXPECT_EQ(texts(), atOpen);
}

TEST(FixedRoofTankWindow, ExplanationButtons)
{
    const QString zeroNote = kZeroResultNoteFixedRoofTank.toString();
    const std::pair<const char *, QString> rows[] = {
        {"Command7", QStringLiteral("输入直径时，系统自动计算小直径罐的调节因子")},
        {"Command1", QStringLiteral("涂层因子（无量纲），根据油漆状况取值在1~1.5之间")},
        {"Command2", QStringLiteral("用于小直径罐的调节因子（无量纲）;直径在0~9m之间的罐体，C=1-0.0123(D-9)^2  ; "
                                    "罐径大于9m的C=1；")},
        {"Command3", QStringLiteral("产品因子（石油原油KC取0.65，其他的有机液体取1.0）")},
        {"Command6", QStringLiteral("输入周转次数，系统自动计算周转因子")},
        {"Command4", QStringLiteral("取值按年周转次数（K）确定。K<=36,KN=1；36<K<=220,KN=11.467×K^-0.7026；"
                                    "K>220,KN=0.26")},
        {"Command9", zeroNote},
        {"Command10", zeroNote},
    };
    WindowDriver window(kWindow);
    for (const auto &[button, text] : rows) {
        MessageRecorder messages;
        window.press(button);
        EXPECT_EQ(messages.messages, QStringList{text}) << button;
    }
    EXPECT_EQ(window.text("Text11"), QString());
}

TEST(FixedRoofTankWindow, SourceTextOpensOnce)
{
    WindowDriver window(kWindow);
    window.press("Command5");
    ToolWindow *source = ToolRegistry::global().existingInstance(kSource);
    ASSERT_TRUE(source && source->widget() && source->widget()->isVisible());
    QWidget *first = source->widget();
    window.press("Command5");
    EXPECT_EQ(source->widget(), first);

    EXPECT_EQ(first->windowTitle(), kSource);
    EXPECT_EQ(first->findChild<QGroupBox *>("Frame1")->title(), QStringLiteral("固顶贮罐呼吸排放量和工作排放量资料原文："));
    auto *box = first->findChild<QTextEdit *>("RichTextBox1");
    ASSERT_NE(box, nullptr);
    const QString text = box->toPlainText();
    // The formula lines on lines of their own, in their order.
    const char *lines[] = {
        "1、储存有机液体的基本罐型有固定顶罐",
        "\n LB=0.191×M（P/（100910-P））^0.68×D^1.73×H^0.51×△T^0.45×FP×C×KC\n",
        "\n LW=4.188×10^-7×M×P×KN×KC\n",
        "\nK<=36,KN=1\n36<K<=220,KN=11.467×K^-0.7026\nK>220,KN=0.26\n其他的同（1）式。",
    };
    qsizetype at = 0;
    for (const char *line : lines) {
        const qsizetype found = text.indexOf(QString::fromUtf8(line), at);
        EXPECT_GE(found, at) << line;
        at = std::max(at, found);
    }
    first->close();
}


} // namespace
