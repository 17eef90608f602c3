// The surface-water assessment windows through their controls, opened from
// the registry as the menu opens them: the worked examples, the pages of the
// tab strips with their captions and help texts, and each page's report.
#include "common/forms/form.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kGrade = QStringLiteral("地面水评价分级");
const QString kMethodOne = QStringLiteral("地面水现状评价方法1");
const QString kMethodTwo = QStringLiteral("地面水评价现状评价方法21");
const QString kNone = QStringLiteral("无分级表上对应的参数");

void chooseTab(WindowDriver &w, int index)
{
    w.find<QTabWidget>("TabStrip1")->setCurrentIndex(index);
}

bool shown(WindowDriver &w, const QString &name)
{
    return w.find<QWidget>(name)->isVisible();
}

TEST(SurfaceGradeWindow, OpensOnTheRiverPageWithNothingChosen)
{
    WindowDriver w(kGrade);
    EXPECT_EQ(w.window()->windowTitle(), kGrade);
    EXPECT_TRUE(shown(w, "Frame3"));
    EXPECT_FALSE(shown(w, "Frame6"));
    EXPECT_EQ(w.boxByLabel(QStringLiteral("污水排放量（m^3/d）"))->text(), "10000");
    EXPECT_EQ(w.boxByLabel(QStringLiteral("需预测浓度的水质参数项目："))->text(), "2");
    for (const char *option : {"Option1", "Option2", "Option3", "Option9", "Option10", "Option11", "Option12",
                               "Option13"})
        EXPECT_FALSE(w.find<QRadioButton>(option)->isChecked()) << option;
    EXPECT_TRUE(w.text("RichTextBox1").startsWith(QStringLiteral("地面水环境影响评价工作级别的划分")));
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), kNone);
}

TEST(SurfaceGradeWindow, WorkedExamplesOnEachPage)
{
    MessageRecorder messages;
    WindowDriver w(kGrade);
    const QString header = QStringLiteral("依据你所输入的参数，评价工作等级划分建议如下：\n");
    const QString bandTwoSimpleLarge =
        header + QStringLiteral("    如果该类污水排放地表水I-Ⅲ类水体,评价等级划分为二级\n"
                                "    如果该类污水排放地表水Ⅳ-Ⅴ类水体,评价等级划分为三级\n");

    // River: Q 15000, one kind, N 3, large river.
    w.type("Text1", "15000");
    w.press("Check3");
    w.type("Text2", "3");
    w.press("Option1");
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), bandTwoSimpleLarge);

    // Lake: the same report for the large lake, whichever depth.
    chooseTab(w, 1);
    EXPECT_TRUE(w.find<QRadioButton>("Option13")->isChecked());
    EXPECT_TRUE(shown(w, "Frame6"));
    EXPECT_FALSE(shown(w, "Frame3"));
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), kNone) << "no lake size chosen yet";
    w.press("Option11");
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), bandTwoSimpleLarge);
    w.press("Option12");
    EXPECT_EQ(w.find<QRadioButton>("Option11")->text(), QStringLiteral("大湖(库)≥50km^2"));
    EXPECT_EQ(w.find<QRadioButton>("Option9")->text(), QStringLiteral("小湖(库)在<5km^2"));
    EXPECT_TRUE(w.find<QRadioButton>("Option11")->isChecked());
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), bandTwoSimpleLarge);
    w.press("Option13");
    EXPECT_EQ(w.find<QRadioButton>("Option10")->text(), QStringLiteral("中湖(库)在2.5-25km^2"));

    // Bay: the river's first option is 各类海湾 here; Q 500 gives band 4.
    chooseTab(w, 2);
    EXPECT_TRUE(shown(w, "Frame3"));
    EXPECT_FALSE(shown(w, "Frame6"));
    EXPECT_EQ(w.find<QGroupBox>("Frame3")->title(), QStringLiteral("海湾类型"));
    EXPECT_EQ(w.text("Label8"), QStringLiteral("海湾的类型分为以下三类,请选择相应的海湾类型"));
    EXPECT_EQ(w.find<QRadioButton>("Option1")->text(), QStringLiteral("各类海湾"));
    EXPECT_TRUE(w.find<QRadioButton>("Option1")->isChecked());
    w.press("Check3");  // nothing ticked now
    w.type("Text1", "500");
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), header + QStringLiteral("    建议评价等级划分为三级\n"));
    w.type("Text1", "499");
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), kNone);

    // Back on the river page: the river captions, the size still chosen.
    chooseTab(w, 0);
    EXPECT_EQ(w.find<QGroupBox>("Frame3")->title(), QStringLiteral("地面水域的大小规模和水质要求"));
    EXPECT_EQ(w.text("Label8"), QStringLiteral("    按建设项目排污口附近河段多年平均流量或平水期平均流量划分："));
    EXPECT_EQ(w.find<QRadioButton>("Option1")->text(), QStringLiteral("大河：>=150 m^3/s"));
    EXPECT_EQ(w.find<QRadioButton>("Option3")->text(), QStringLiteral("小河：<15 m^3/s"));
    EXPECT_TRUE(w.find<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST(SurfaceGradeWindow, KindsCountWhicheverAreTicked)
{
    WindowDriver w(kGrade);
    w.type("Text1", "5000");
    w.set("Text2", "");
    w.press("Option3");
    const QString complexSmall = QStringLiteral("    如果该类污水排放地表水I-II类水体,评价等级划分为一级\n");
    w.press("Check2");
    w.press("Check3");
    w.press("Check4");
    w.press("Command1");
    EXPECT_TRUE(w.text("RichTextBox1").contains(complexSmall)) << "three kinds are complex, N not read";
    w.press("Check1");
    w.press("Command1");
    EXPECT_TRUE(w.text("RichTextBox1").contains(complexSmall)) << "four kinds";
    w.press("Check2");
    w.press("Check3");
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), kNone) << "two kinds with N empty";
}

TEST(StatusMethodOneWindow, NemerowAndSingleFactorPages)
{
    WindowDriver w(kMethodOne);
    EXPECT_EQ(w.window()->windowTitle(), QStringLiteral("地面水现状评价方法一"));
    EXPECT_TRUE(shown(w, "Frame1"));
    EXPECT_FALSE(shown(w, "Frame2"));
    EXPECT_EQ(w.text("RichTextBox1"), QString());
    const QString nemerowHelp = w.text("RichTextBox2");
    EXPECT_EQ(nemerowHelp.count(u'\n'), 2);
    EXPECT_TRUE(nemerowHelp.startsWith(QStringLiteral("    输入一个数据序列(以“|”分隔)")));
    EXPECT_EQ(w.boxByLabel(QStringLiteral("内梅罗平均值 数 据："))->objectName(), "Text1");

    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), QStringLiteral("你输入的数据个数为:7\n"
                                                     "    输入的数据为：|1.2|1.5|2.5|1.8|2.0|1.6|1.7|\n"
                                                     "    最大值为：2.50\n"
                                                     "    算术平均值为：1.76\n"
                                                     "    内梅罗平均值：2.16"));

    chooseTab(w, 1);
    EXPECT_FALSE(shown(w, "Frame1"));
    EXPECT_TRUE(shown(w, "Frame2"));
    EXPECT_TRUE(w.text("RichTextBox2").startsWith(QStringLiteral("    计算各测点对某一类物质的评价指数?\n")));
    const auto *type = w.find<QComboBox>("Combo1");
    EXPECT_EQ(type->count(), 1);
    EXPECT_EQ(type->itemText(0), QStringLiteral("一般参数"));
    EXPECT_EQ(type->currentIndex(), -1);
    w.press("Command2");
    EXPECT_EQ(w.text("RichTextBox3"), QStringLiteral("你输入的数据为：|0.5|0.8|0.6|0.7|0.2|0.9|0.5|\n"
                                                     "计算结果如下：\n"
                                                     "单项评价指数为：| 1| 1.6| 1.2| 1.4| .4| 1.8| 1|"));

    // The other page's report stays; its help comes back.
    chooseTab(w, 0);
    EXPECT_EQ(w.text("RichTextBox2"), nemerowHelp);
    EXPECT_TRUE(w.text("RichTextBox1").contains(QStringLiteral("内梅罗平均值：2.16")));
}

TEST(StatusMethodTwoWindow, PAndIsePages)
{
    WindowDriver w(kMethodTwo);
    EXPECT_EQ(w.window()->windowTitle(), QStringLiteral("地面水评价现状评价方法二"));
    EXPECT_TRUE(shown(w, "Frame1"));
    EXPECT_FALSE(shown(w, "Frame2"));
    EXPECT_EQ(w.text("Text5"), "Text5");
    EXPECT_EQ(w.text("RichTextBox1").count(u'\n'), 2);
    w.press("Command1");
    EXPECT_EQ(w.text("Text5"), QStringLiteral("此物质的自净利用指数:0.25"));
    w.set("Text3", "");
    w.press("Command1");
    EXPECT_EQ(w.text("Text5"), QStringLiteral("此物质的自净利用指数:0.00"));

    chooseTab(w, 1);
    EXPECT_FALSE(shown(w, "Frame1"));
    EXPECT_TRUE(shown(w, "Frame2"));
    EXPECT_EQ(w.text("RichTextBox1"), QStringLiteral("    拟预测水质参数的筛选。\n    在环境现状调查水质参数中选择拟预测水质参数时，"
                                                     "一般需要计算每一参数的污染排序指数ISE。ISE大的水质参数对河流的影响越大。"));
    EXPECT_EQ(w.text("Text11"), QString());
    w.press("Command2");
    EXPECT_EQ(w.text("Text11"), QStringLiteral("该物质污染排序指数ISE=0.74"));

    chooseTab(w, 0);
    EXPECT_TRUE(w.text("RichTextBox1").startsWith(QStringLiteral("    计算某一污染物的自净利用指数P。\n")));
    EXPECT_EQ(w.text("Text5"), QStringLiteral("此物质的自净利用指数:0.00"));
}

} // namespace
