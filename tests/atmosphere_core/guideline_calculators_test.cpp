// The work grade, the mixing-layer height and the stack-exit wind speed.
#include "atmosphere/mixing_layer.h"
#include "atmosphere/stack_wind.h"
#include "atmosphere/work_grade.h"
#include "../tables/qstring_print.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

TEST(WorkGrade, GradesAndBounds)
{
    const struct {
        const char *name;
        const char *qi, *ci;
        const char *rate;  // P as the report writes it
        int flat, complex;
    } cases[] = {
        {"design-time inputs", "10", "0.5", "2E+10", 2, 1},
        {"P exactly 2.5e9", "1.25", "0.5", "2.5E+09", 3, 2},
        {"P exactly 2.5e8", "0.125", "0.5", "2.5E+08", 3, 3},
        {"P between the bounds", "0.5", "0.5", "1E+09", 3, 2},
        {"Ci zero", "10", "0", "0", 3, 3},
        {"Ci empty", "10", "", "0", 3, 3},
        {"Qi not a number", "ten", "0.5", "0", 3, 3},
        {"negative Qi", "-10", "0.5", "-2E+10", 3, 3},
        {"beyond the single range", "1e30", "1e-10", "0", 3, 3},
        {"above the largest single, below its rounding edge", "3.40282356e29", "1", "0", 3, 3},
    };
    for (const auto &c : cases) {
        for (Terrain terrain : {Terrain::Flat, Terrain::Complex}) {
            const WorkGradeResult r = computeWorkGrade({u8(c.qi), u8(c.ci), terrain});
            EXPECT_EQ(r.grade, terrain == Terrain::Flat ? c.flat : c.complex) << c.name;
            EXPECT_EQ(r.report.split(QLatin1Char('\n')).value(1),
                      u8("    等标排放量为：") + u8(c.rate) + u8("[m^3/h]")) << c.name;
        }
    }
}

MixingLayerInputs mixing(const char *cls, const char *province, const char *u10 = "2", const char *degrees = "27",
                         const char *minutes = "0")
{
    return {u8(u10), u8(cls), u8(degrees), u8(minutes), u8(province)};
}

QString heightLine(const MixingLayerResult &r)
{
    return r.report.split(QLatin1Char('\n')).value(6);
}

TEST(MixingLayer, HeightsByClassAndProvince)
{
    const struct { const char *name; MixingLayerInputs in; const char *height; } cases[] = {
        {"A, 新疆", mixing("A", "新疆"), "2719.369"},
        {"D, 湖南", mixing("D", "湖南"), "362.583"},
        {"E, first province", mixing("E", "新疆"), "288.55"},
        {"E, last province", mixing("E", "陕西（秦岭以南）"), "288.55"},
        {"F, a group 2 province", mixing("F", "北京"), "121.678"},
        {"no cap on the wind", mixing("D", "湖南", "8"), "1450.33"},
        {"calm, linear class", mixing("B", "上海", "0"), "."},
        {"calm, square-root class", mixing("F", "上海", "0"), "."},
        {"nothing chosen", mixing("", ""), "."},
        {"lower-case class", mixing("a", "新疆"), "."},
        {"province without its qualifier", mixing("A", "陕西"), "."},
        {"half-width parentheses", mixing("A", "陕西(秦岭以北)"), "."},
        {"southern latitude, linear", mixing("A", "新疆", "2", "-27", "30"), "-2766.862"},
        {"southern latitude, square root", mixing("E", "新疆", "2", "-27", "30"), ""},
        {"degrees empty, minutes 30", mixing("A", "新疆", "2", "", "30"), "141472.856"},
        {"leading numbers of the latitude", mixing("A", "新疆", "2", "31度", "15分"), "2379.783"},
        {"equator", mixing("A", "新疆", "2", "0", "0"), ""},
        {"latitude boxes not numbers", mixing("E", "新疆", "2", "", "x"), ""},
        {"wind not a number", mixing("A", "新疆", "2m"), ""},
        {"wind empty", mixing("E", "新疆", ""), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(heightLine(computeMixingLayer(c.in)), u8("    混合层高度 hf = ") + u8(c.height) + u8("(m)")) << c.name;
}

// The four groups follow one another in the list, each province once.
TEST(MixingLayer, ProvinceGroups)
{
    const QStringList provinces = mixingLayerProvinces();
    EXPECT_EQ(QSet<QString>(provinces.begin(), provinces.end()).size(), 33);
    const struct { int size; double a, b, c, d; } groups[] = {
        {3, 0.09, 0.067, 0.041, 0.031}, {13, 0.073, 0.06, 0.041, 0.019},
        {12, 0.056, 0.029, 0.02, 0.012}, {5, 0.073, 0.048, 0.031, 0.022},
    };
    int i = 0;
    for (const auto &g : groups) {
        for (int end = i + g.size; i < end; ++i) {
            const double expected[] = {g.a, g.b, g.c, g.d, 1.66, 0.7};
            for (int k = 0; k < 6; ++k)
                EXPECT_EQ(mixingLayerCoefficient(mixingLayerClasses()[k], provinces.value(i)), expected[k]) << i;
        }
    }
    EXPECT_EQ(provinces.size(), i);
}

StackWindInputs recommended(const char *cls, bool rural, const char *u10 = "2", const char *h = "60")
{
    return {u8(u10), u8(h), u8("0.2"), false, u8(cls), rural};
}

TEST(StackWind, ExitWindSpeeds)
{
    const struct { const char *name; StackWindInputs in; const char *exponent; const char *speed; } cases[] = {
        {"direct entry, design-time", {u8("2"), u8("60"), u8("0.2"), true, {}, true}, "0.2", "2.861938"},
        // The recommended rural exponent of class D is 0.15.
        {"D rural", recommended("D", true), "0.15", "2.616692"},
        {"D urban", recommended("D", false), "0.25", "3.130169"},
        {"E、F urban drops trailing zeros", recommended("E、F", false), "0.3", "3.42354"},
        {"A rural", recommended("A", true), "0.07", "2.267256"},
        {"stack of 10 m", recommended("C", false, "3.5", "10"), "0.2", "3.5"},
        {"negative height, fractional exponent", recommended("C", false, "2", "-60"), "0.2", ""},
        {"zero height, negative exponent", {u8("2"), u8("0"), u8("-0.2"), true, {}, true}, "-0.2", ""},
        {"wind not a number", {u8("two"), u8("60"), u8("0.2"), true, {}, true}, "0.2", ""},
        {"exponent not a number", {u8("2"), u8("60"), u8("p"), true, {}, true}, "p", ""},
    };
    for (const auto &c : cases) {
        const QStringList lines = computeStackWind(c.in).report.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 9) << c.name;
        EXPECT_EQ(lines[2], u8("    烟囱出口处平均风速 U =") + u8(c.speed) + u8("(m / s)")) << c.name;
        EXPECT_EQ(lines[8], u8("    风速幂指数 =") + u8(c.exponent)) << c.name;
    }
}

TEST(StackWind, ClassWithoutTableEntry)
{
    for (const char *cls : {"", "E", "F", "a", "d", "E,F"}) {
        for (bool rural : {true, false})
            EXPECT_EQ(computeStackWind(recommended(cls, rural)).report, u8("无对应的参数,请检查输入!")) << cls;
    }
}

TEST(StackWind, ReportLines)
{
    EXPECT_EQ(computeStackWind({u8("2"), u8("60"), u8("0.2"), true, u8("A"), false}).report,
              u8("计算烟囱出口风速：\n结果：\n    烟囱出口处平均风速 U =2.861938(m / s)\n参数如下:\n"
                 "    项目所在的位置:农村或城市远郊,区(地势较平坦)\n    地面10米高处风速U10=2(m / s)\n"
                 "    烟囱几何高度H=60(m)\n    稳定度等级＝Ｄ\n    风速幂指数 =0.2"));
    const QStringList rural = computeStackWind(recommended("E、F", true)).report.split(QLatin1Char('\n'));
    EXPECT_EQ(rural[4], u8("    项目所在的位置:农村和城市远郊"));
    EXPECT_EQ(rural[7], u8("    稳定度等级＝E、F"));
}

} // namespace
