// The solid-waste windows driven through their boxes: the live boiler ash
// and settling-tank calculators, the sewage-works press and the picture
// windows they open.
#include "common/numbers/number_text.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QLineEdit>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

const QString kBoiler = QStringLiteral("锅炉煤灰渣产生量计算1");
const QString kTank = QStringLiteral("沉淀池污泥量");
const QString kWorks = QStringLiteral("污泥量计算");

struct Results
{
    QString slag, flyAsh, total;
};

Results results(const WindowDriver &w)
{
    return {w.text("Text6"), w.text("Text8"), w.text("Text13")};
}

TEST(BoilerAshWindow, ResultsFollowEveryChange)
{
    WindowDriver w(kBoiler);
    EXPECT_EQ(w.text("Text6"), QString());
    EXPECT_EQ(w.text("Text1"), "300");
    w.type("Text2", "25");
    Results r = results(w);
    EXPECT_EQ(r.slag, "72727");
    EXPECT_EQ(r.flyAsh, "19285");
    EXPECT_EQ(r.total, "92012");

    w.set("Text1", "");
    r = results(w);
    EXPECT_EQ(r.slag, "0");
    EXPECT_EQ(r.flyAsh, "0");
    EXPECT_EQ(r.total, "0");
    w.type("Text1", "300");
    EXPECT_EQ(w.text("Text13"), "92012");

    w.typeByLabel(QStringLiteral("炉渣中可燃物百分含量Ciz(%)："), "100");
    r = results(w);
    EXPECT_EQ(r.slag, "0");
    EXPECT_EQ(r.total, "19285");
}

TEST(BoilerAshWindow, ClickIntoAResultFillsThatBoxAlone)
{
    WindowDriver w(kBoiler);
    w.click("Text13");
    EXPECT_EQ(w.text("Text13"), "92012");
    EXPECT_EQ(w.text("Text6"), QString());
    EXPECT_EQ(w.text("Text8"), QString());
    w.set("Text8", "typed");
    w.click("Text8");
    EXPECT_EQ(w.text("Text8"), "19285");
}

TEST(BoilerAshWindow, TotalFlooredFromTheUnroundedSum)
{
    // 0.6 kg of slag and 0.6 kg of fly ash: "0", "0" and "1".
    WindowDriver w(kBoiler);
    w.type("Text1", "1");
    w.type("Text2", "0.12");
    w.type("Text3", "50");
    w.type("Text11", "0");
    w.type("Text4", "0");
    w.type("Text5", "100");
    const Results r = results(w);
    EXPECT_EQ(r.slag, "0");
    EXPECT_EQ(r.flyAsh, "0");
    EXPECT_EQ(r.total, "1");
}

TEST(BoilerAshWindow, ExplanationButtons)
{
    WindowDriver w(kBoiler);
    MessageRecorder messages;
    w.press("Command1");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.last().startsWith(QStringLiteral("炉渣中的可燃物百分含量")));
    w.press("Command2");
    EXPECT_TRUE(corvalen::ToolRegistry::global().existingInstance(QStringLiteral("燃煤DTH"))->isOpen());
    w.press("Command3");
    EXPECT_TRUE(corvalen::ToolRegistry::global().existingInstance(QStringLiteral("燃煤可燃物"))->isOpen());
}

TEST(SettlingTankWindow, VolumeFollowsEveryKeystroke)
{
    WindowDriver w(kTank);
    EXPECT_EQ(w.text("Text6"), QString());
    w.click("Text6");
    EXPECT_EQ(w.text("Text6"), "0.05555556");
    w.type("Text4", "0");
    EXPECT_EQ(w.text("Text6"), "0.05");
    w.set("Text6", "x");
    w.click("Text6");
    EXPECT_EQ(w.text("Text6"), "0.05");
    w.set("Text5", "");
    EXPECT_EQ(w.text("Text6"), corvalen::kInfiniteText.toString());
}

TEST(SewageWorksWindow, PressesKeepWhatFailedStepsLeave)
{
    WindowDriver w(kWorks);
    // G = M·ΣK/1000 is in tonnes: the result labels say so.
    EXPECT_EQ(w.boxByLabel(QStringLiteral("干污泥产生量（t/日）=")), w.find<QLineEdit>("Text4"));
    EXPECT_EQ(w.boxByLabel(QStringLiteral("湿污泥产生量（t/日）=")), w.find<QLineEdit>("Text6"));
    w.type("Text8", "50");
    EXPECT_EQ(w.text("Text4"), QString());
    w.type("Text8", "0");
    w.press("Command2");
    EXPECT_EQ(w.text("Text4"), "0.9399999");
    EXPECT_EQ(w.text("Text6"), "0.9399999");
    w.type("Text8", "100");
    w.press("Command2");
    EXPECT_EQ(w.text("Text4"), "0.9399999");
    EXPECT_EQ(w.text("Text6"), corvalen::kInfiniteText.toString());
    // No population: the previous G again, W from it with the current P.
    w.set("Text1", "");
    w.type("Text8", "50");
    w.press("Command2");
    EXPECT_EQ(w.text("Text4"), "0.9399999");
    EXPECT_EQ(w.text("Text6"), "1.88");
}

TEST(SewageWorksWindow, FirstPressWithoutGritFactor)
{
    WindowDriver w(kWorks);
    w.set("Text2", "");
    w.press("Command2");
    // ΣK = 0.038: G = 20000 × 0.038 / 1000.
    EXPECT_EQ(w.text("Text4"), "0.76");
    w.press("Command1");
    EXPECT_TRUE(
        corvalen::ToolRegistry::global().existingInstance(QStringLiteral("生活污水处理污泥计算来源"))->isOpen());
}

TEST(SlagWindows, ShowTheirFormulasAndBasis)
{
    struct Case
    {
        QString window, basis, formula;
    };
    const Case cases[] = {
        {QStringLiteral("化铝铜锌渣产生量的计算1"), QStringLiteral("计算依据：《环境统计报表填报指南》P77"),
         QStringLiteral("G = W·A + η·G·S")},
        {QStringLiteral("高炉渣钢渣铁合金渣产生量计算1"), QStringLiteral("计算依据：《环境统计报表填报指南》P76-77"),
         QStringLiteral("G = K·M")},
        {QStringLiteral("电石渣产生量"), QStringLiteral("计算依据：《环境统计报表填报指南》P80"),
         QStringLiteral("= 1.175 M")},
        {QStringLiteral("冲天炉渣产生量"), QStringLiteral("计算依据：《环境统计报表填报指南》P77"),
         QStringLiteral("= 0.08 M")},
    };
    for (const Case &c : cases) {
        WindowDriver w(c.window);
        EXPECT_EQ(w.text("Label2"), c.basis) << c.window.toStdString();
        auto *picture = w.find<QTextEdit>("Picture1");
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->toPlainText().contains(c.formula)) << c.window.toStdString();
    }
    WindowDriver melt(cases[0].window);
    EXPECT_EQ(melt.text("Label1"), QStringLiteral("       η——为除尘效率"));
}

TEST(SlagWindows, FurnaceSlagListLineForLine)
{
    WindowDriver w(QStringLiteral("高炉渣钢渣铁合金渣产生量计算1"));
    const QStringList lines = w.find<QTextEdit>("RichTextBox1")->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("各种冶炼废渣的的产生系数如下:"));
    EXPECT_EQ(lines[3], QStringLiteral("      0. 2-0. 3 (转炉)"));
    EXPECT_EQ(lines[9], QStringLiteral("              3. 4- 3. 8 (中低微碳铬铁)"));
    EXPECT_EQ(lines[13], QStringLiteral("              2. 8-3. 2(高炉锰铁)"));
    EXPECT_EQ(lines[14], QString());
}

} // namespace
