// The consulting fee window: its frames by document kind, the locked number
// of topics and the report of a press.
#include "common/forms/form.h"
#include "window_driver.h"

#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

const QString kFee = QStringLiteral("建设项目环境影响评价咨询收费");

bool shown(const WindowDriver &w, const char *name)
{
    return !w.find<QWidget>(name)->isHidden();
}

QString report(const WindowDriver &w)
{
    return w.find<corvalen::ReportBox>("RichTextBox1")->report();
}

TEST(ConsultingFeeWindow, LoadSelectsTheReportAndItsDefaults)
{
    WindowDriver w(kFee);
    // The options chosen at load are held by the default report's figures.
    EXPECT_TRUE(shown(w, "Frame1"));
    EXPECT_TRUE(shown(w, "Frame2"));
    EXPECT_FALSE(shown(w, "Frame4"));
    EXPECT_FALSE(shown(w, "Text2"));
    EXPECT_FALSE(shown(w, "Label9"));
    EXPECT_EQ(report(w), QString());
    EXPECT_EQ(w.find<QRadioButton>("Option8")->toolTip(), QStringLiteral("本行业调整系数为0.8"));
}

TEST(ConsultingFeeWindow, ReportOnPressOnly)
{
    WindowDriver w(kFee);
    w.press("Command1");
    const QStringList lines = report(w).split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("    编制环境影响报告书(含大纲)的费用约为:8.7706万元"));
    EXPECT_EQ(lines[1], QStringLiteral("    评估环境影响报告书(含大纲)的费用约为:1.54412万元"));
    EXPECT_FALSE(report(w).endsWith('\n'));

    // Changing inputs computes nothing; a bad investment keeps the report.
    const QString before = report(w);
    w.type("Text1", "3000");
    w.press("Option11");
    EXPECT_EQ(report(w), before);
    w.type("Text1", "abc");
    w.press("Command1");
    EXPECT_EQ(report(w), before);

    w.type("Text1", "3000");
    w.press("Option7");
    w.press("Command1");
    EXPECT_TRUE(report(w).startsWith(QStringLiteral("    编制环境影响报告书(含大纲)的费用约为:4.8万元\n")));
}

TEST(ConsultingFeeWindow, ReportFormFramesAndTopics)
{
    WindowDriver w(kFee);
    w.press("Option2");
    EXPECT_FALSE(shown(w, "Frame1"));
    EXPECT_FALSE(shown(w, "Frame2"));
    EXPECT_TRUE(shown(w, "Frame4"));
    EXPECT_TRUE(shown(w, "Text2"));
    EXPECT_TRUE(w.find<QRadioButton>("Option3")->isChecked());
    w.press("Command1");
    EXPECT_TRUE(report(w).startsWith(QStringLiteral("    编制环境影响报告表的费用为:4.1176万元\n"
                                                    "    评估环境影响报告表的费用为:0.82059万元\n")));

    // No topics: "0", locked; choosing topics again unlocks and keeps "0".
    w.press("Option4");
    EXPECT_EQ(w.text("Text2"), "0");
    EXPECT_TRUE(w.find<QLineEdit>("Text2")->isReadOnly());
    w.press("Command1");
    EXPECT_TRUE(report(w).startsWith(QStringLiteral("    编制环境影响报告表的费用为:2.0588万元")));
    w.press("Option3");
    EXPECT_FALSE(w.find<QLineEdit>("Text2")->isReadOnly());
    EXPECT_EQ(w.text("Text2"), "0");

    // Back to the report: the report form's report stays until the press.
    const QString before = report(w);
    w.press("Option1");
    EXPECT_TRUE(shown(w, "Frame1"));
    EXPECT_FALSE(shown(w, "Text2"));
    EXPECT_EQ(report(w), before);
}

TEST(ConsultingFeeWindow, LargeReportFormHasNoUpperLimitLines)
{
    WindowDriver w(kFee);
    w.press("Option2");
    w.type("Text1", "200000");
    w.press("Command1");
    EXPECT_TRUE(report(w).startsWith(
        QStringLiteral("    编制环境影响报告表的费用为:7万元以上，计价格[2002]125号文件规定，好象没有上限！\n")));
    w.set("Text2", "");
    const QString before = report(w);
    w.type("Text1", "3500");
    w.press("Command1");
    EXPECT_EQ(report(w), before);
}

} // namespace
