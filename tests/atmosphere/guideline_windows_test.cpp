// The guideline calculators through their windows: design-time states, what
// the options and lists change, and the reports of "刷新结果".
#include "common/forms/tool_registry.h"
#include "tables/qstring_print.h"
#include "window_driver.h"

#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QString reportLine(const WindowDriver &w, int number)
{
    return w.text("RichTextBox1").split(QLatin1Char('\n')).value(number - 1);
}

bool enabled(const WindowDriver &w, const char *name)
{
    return w.find(name)->isEnabled();
}

TEST(WorkGradeWindow, GradeByTerrainOnThePress)
{
    WindowDriver w(u8("大气评价等级的划分"));
    EXPECT_TRUE(w.find<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(w.text("RichTextBox1"), QString());
    w.press("Command1");
    EXPECT_EQ(reportLine(w, 1), u8("    建议评价工作等级：二级 "));
    EXPECT_EQ(reportLine(w, 2), u8("    等标排放量为：2E+10[m^3/h]"));
    w.press("Option2");
    EXPECT_EQ(reportLine(w, 1), u8("    建议评价工作等级：二级 ")) << "the terrain waits for the press";
    w.press("Command1");
    EXPECT_EQ(reportLine(w, 1), u8("    建议评价工作等级：一级 "));
    EXPECT_EQ(w.find("Option2")->accessibleName(), u8("复杂地形（山区、丘陵、沿海或大中城市的城区）"));

    w.reopen();
    EXPECT_EQ(w.text("Text1"), u8("10"));
    EXPECT_TRUE(w.find<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(w.text("RichTextBox1"), QString());
}

TEST(MixingLayerWindow, ReportOfAChosenClassAndProvince)
{
    WindowDriver w(u8("混合层高度计算1"));
    EXPECT_EQ(w.text("RichTextBox1"), u8("混合层高度\n    以导则推荐方法计算混合层高度(厚度)."));
    EXPECT_EQ(w.find<QComboBox>("Combo2")->count(), 33);
    EXPECT_EQ(w.text("Combo1"), QString());
    w.choose("Combo1", "D");
    w.choose("Combo2", u8("湖南"));
    EXPECT_EQ(w.text("RichTextBox1"), u8("混合层高度\n    以导则推荐方法计算混合层高度(厚度).")) << "choosing computes nothing";
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), u8("参数:\n    地面10m处平均风速 U10 = 2(m/s)\n    地区类别:湖南\n"
                                         "    地区纬度：27度0分\n结果:\n    混合层系数 =0.012\n"
                                         "    混合层高度 hf = 362.583(m)"));
    // Typed texts count as they stand.
    w.type("Combo1", "E");
    w.type("Text1", "8");
    w.press("Command1");
    EXPECT_EQ(reportLine(w, 7), u8("    混合层高度 hf = 577.1(m)"));
}

TEST(StackWindWindow, DirectEntryAndRecommendedExponents)
{
    WindowDriver w(u8("烟囱出口风速计算1"));
    EXPECT_TRUE(w.find<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(w.find<QRadioButton>("Option3")->isChecked());
    EXPECT_FALSE(enabled(w, "Combo1"));
    EXPECT_FALSE(enabled(w, "Option3"));
    EXPECT_FALSE(enabled(w, "Option4"));
    EXPECT_EQ(w.find<QComboBox>("Combo1")->count(), 5);
    w.press("Command1");
    EXPECT_EQ(reportLine(w, 3), u8("    烟囱出口处平均风速 U =2.861938(m / s)"));

    w.press("Option2");
    EXPECT_TRUE(enabled(w, "Combo1"));
    EXPECT_TRUE(enabled(w, "Option4"));
    EXPECT_FALSE(enabled(w, "Text3"));
    EXPECT_EQ(w.text("Text3"), u8("0.2"));
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), u8("无对应的参数,请检查输入!"));

    const struct { const char *cls; const char *terrain; const char *exponent, *speed; } cases[] = {
        {"D", "Option3", "0.15", "2.616692"},
        {"E、F", "Option4", "0.3", "3.42354"},
    };
    for (const auto &c : cases) {
        w.choose("Combo1", u8(c.cls));
        w.press(c.terrain);
        w.press("Command1");
        EXPECT_EQ(reportLine(w, 3), u8("    烟囱出口处平均风速 U =") + u8(c.speed) + u8("(m / s)")) << c.cls;
        EXPECT_EQ(reportLine(w, 9), u8("    风速幂指数 =") + u8(c.exponent)) << c.cls;
    }
    w.type("Combo1", "e");
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), u8("无对应的参数,请检查输入!"));

    w.press("Option1");
    EXPECT_TRUE(enabled(w, "Text3"));
    EXPECT_FALSE(enabled(w, "Combo1"));
    w.set("Text2", "10");
    w.press("Command1");
    EXPECT_EQ(reportLine(w, 3), u8("    烟囱出口处平均风速 U =2.(m / s)"));
    EXPECT_EQ(reportLine(w, 8), u8("    稳定度等级＝Ｄ"));
}

TEST(PlumeRiseWindow, ClassGradientsAndReport)
{
    WindowDriver w(u8("烟气抬升高度计算1"));
    EXPECT_TRUE(w.text("RichTextBox1").startsWith(u8("烟气抬升高度\n    以导则推荐方法计算烟气抬升高度.")));
    EXPECT_TRUE(w.find<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(w.find<QComboBox>("Combo1")->count(), 9);

    // First press, nothing chosen: no rise, He is H alone.
    w.press("Command2");
    EXPECT_EQ(w.text("RichTextBox1").count(QLatin1Char('\n')), 21);
    EXPECT_EQ(reportLine(w, 15), u8("    烟气热释放率   Qh = 807.8303(KJ/s)"));
    EXPECT_EQ(reportLine(w, 20), u8("    烟气抬升高度 ΔH = (m)"));
    EXPECT_EQ(reportLine(w, 21), u8("    烟囱有效高度 He = 60.(m)"));

    const struct { const char *cls; const char *gradient; } gradients[] = {
        {"A", "-0.019"}, {"C-D", "-0.014"}, {"E", "0"}, {"D-E", "0"}, {"F", "0.01"}, {"D", "-0.0098"},
    };
    for (const auto &g : gradients) {
        w.choose("Combo1", u8(g.cls));
        EXPECT_EQ(w.text("Text8"), u8(g.gradient)) << g.cls;
    }
    w.press("Command2");
    EXPECT_EQ(reportLine(w, 21), u8("    烟囱有效高度 He = 78.1179(m)"));

    // A typed class sets no gradient.
    w.type("Combo1", "F");
    EXPECT_EQ(w.text("Text8"), u8("-0.0098"));

    // The large source, urban, its boxes found by their labels.
    w.choose("Combo1", "C");
    w.typeByLabel(u8("烟筒出口烟气量 Qv[m^3/s]："), "200");
    w.typeByLabel(u8("烟筒出口烟气温度Ts[ ℃ ]："), "150");
    w.press("Option2");
    w.press("Command2");
    EXPECT_EQ(reportLine(w, 1), u8("项目所在位置:城市或城市近郊"));
    EXPECT_EQ(reportLine(w, 20), u8("    烟气抬升高度 ΔH = 188.2819(m)"));
}

TEST(PlumeRiseWindow, DotsOpenTheStackWindWindow)
{
    WindowDriver w(u8("烟气抬升高度计算1"));
    w.set("Text6", "4");
    w.press("Command1");
    ToolWindow *wind = ToolRegistry::global().existingInstance(u8("烟囱出口风速计算1"));
    ASSERT_TRUE(wind);
    EXPECT_TRUE(wind->isOpen());
    EXPECT_EQ(w.text("Text6"), u8("4")) << "no value passes";
}

} // namespace
