// The untight-equipment window: a live calculator that computes nothing
// before the first change or click, its failures shown as "0", and its
// coefficient table.
#include "common/forms/tool_registry.h"
#include "window_script.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("不严密处散发量计算");

TEST(UntightEquipmentWindow, ResultFollowsEveryChangeAndClick)
{
    const struct
    {
        const char *name;
        std::vector<Act> acts;
    } cases[] = {
        {"nothing before a change", {shows("Text6", ""), click("Text1"), shows("Text6", "")}},
        {"a click into the result", {click("Text6"), shows("Text6", "1.53071")}},
        {"V emptied and typed again",
         {set("Text1", ""), shows("Text6", "0"), type("Text1", "20"), shows("Text6", "1.53071")}},
        {"T emptied: 0 °C", {set("Text5", ""), shows("Text6", "1.78923")}},
        {"T at -273", {set("Text5", "-273"), shows("Text6", "0")}},
        {"C for pressures below 2", {type("Text3", "0.24"), shows("Text6", "2.17379")}},
        {"a text written again", {set("Text4", "34"), shows("Text6", "1.53071")}},
        {"a typed result is recomputed by a click", {type("Text6", "9"), shows("Text6", "9"), click("Text6"),
                                                     shows("Text6", "1.53071")}},
    };
    for (const auto &c : cases) {
        WindowDriver window(kWindow);
        runScript(window, c.acts, c.name);
    }
}

TEST(UntightEquipmentWindow, CoefficientTable)
{
    WindowDriver window(kWindow);
    const QString table = window.find<QPlainTextEdit>("Text7")->toPlainText();
    for (const char *fragment : {"不同压力时系数C值：", "压力的单位为绝对大气压", "<2", "1001", "0.166", "0.37",
                              "对于以上没有给出的压力值,可以采用内插法的方法求得\nC值,后进行计算!"})
        EXPECT_TRUE(table.contains(QString::fromUtf8(fragment))) << fragment;
}


} // namespace
