// 卫生防护距离计算工具 driven as a user would: the examples of the handbook,
// the lists that take turns, 清   除, 说  明 and the failure texts.
#include "message_recorder.h"
#include "window_driver.h"
#include "window_script.h"

#include <gtest/gtest.h>

namespace {

const QString kWindow = QStringLiteral("卫生防护距离计算工具");
const QString kNoRow = QStringLiteral("你的输入或选择有误，请检查你的输入或选择！");

std::vector<Act> classOne()
{
    return {choose("Combo1", "大于4"), choose("Combo4", "有"), choose("Combo2", "大于允许1/3")};
}

std::vector<Act> operator+(std::vector<Act> a, const std::vector<Act> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ProtectionDistanceWindow, Examples)
{
    const struct {
        const char *name;
        std::vector<Act> acts;
        int messages;
    } cases[] = {
        {"design texts, class I", classOne() + std::vector{press("Command2"), shows("Text6", "136.1944")}, 0},
        {"no list chosen", {press("Command2"), shows("Text6", "169.0664")}, 1},
        {"below 2 m/s", {choose("Combo1", "小于2"), press("Command2"), shows("Text6", "169.0664")}, 0},
        {"class II by indicator, second band",
         {set("Text7", "5"), choose("Combo1", "大于4"), choose("Combo4", "无"), choose("Combo3", "急性指标"),
          press("Command2"), shows("Text6", "1516.814")},
         0},
        {"band 3", classOne() + std::vector{set("Text7", "10"), press("Command2"), shows("Text6", "2944.912")}, 0},
        {"no list and above 1000 m: the message twice", {set("Text7", "5"), press("Command2"), shows("Text6", "2739.972")}, 2},
        {"clear, then compute",
         {press("Command1"), shows("Text7", "1E-05"), shows("Text1", "1E-05"), shows("Text8", "1E-05"),
          shows("Text6", "1E-05"), press("Command2"), shows("Text6", "129.5381")},
         1},
        {"typed 有 counts in the computation, not for visibility",
         {choose("Combo1", "大于4"), choose("Combo4", "无"), type("Combo4", "有"), visible("Combo3"),
          choose("Combo2", "大于允许1/3"), press("Command2"), shows("Text6", "136.1944")},
         0},
        {"zero emission", classOne() + std::vector{set("Text7", "0"), press("Command2"), shows("Text6", "无法计算，请检查输入")},
         0},
        {"empty limit before any press",
         classOne() + std::vector{set("Text1", ""), press("Command2"), shows("Text6", "无法计算，请检查输入")}, 0},
        {"empty limit after a press keeps the previous limit",
         classOne() + std::vector{press("Command2"), set("Text1", ""), press("Command2"), shows("Text6", "136.1944")}, 0},
        {"negative emission: the bound",
         classOne() + std::vector{set("Text7", "-0.05"), press("Command2"), shows("Text6", "25000M内未找到卫生防护距离")}, 0},
    };
    for (const auto &c : cases) {
        MessageRecorder recorder;
        WindowDriver w(kWindow);
        runScript(w, c.acts, c.name);
        EXPECT_EQ(recorder.messages, QStringList(c.messages, kNoRow)) << c.name;
    }
}

TEST(ProtectionDistanceWindow, ListsTakeTurnsAndBoxesFilterKeys)
{
    const struct { const char *name; std::vector<Act> acts; } cases[] = {
        {"after opening", {visible("Combo2"), visible("Label2_2"), hidden("Combo3"), hidden("Label2_3"), shows("Text6", " ")}},
        {"with stacks", {choose("Combo4", "无"), choose("Combo4", "有"), visible("Combo2"), hidden("Combo3")}},
        {"without stacks", {choose("Combo4", "无"), hidden("Combo2"), hidden("Label2_2"), visible("Combo3"), visible("Label2_3")}},
    };
    for (const auto &c : cases) {
        WindowDriver w(kWindow);
        runScript(w, c.acts, c.name);
    }

    WindowDriver w(kWindow);
    MessageRecorder recorder;
    w.type("Text7", QStringLiteral("a"));
    w.type("Text6", QStringLiteral("a"));  // the result box has no filter
    EXPECT_EQ(recorder.messages, QStringList{QStringLiteral("数据输入错误,请检查是否在数值输入状态")});
    w.press("Command3");
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_TRUE(recorder.messages[1].startsWith(QStringLiteral(" 1、防护距离在1000米以上，程序会自动试算，后重新选取ABCD值，后再计算！ 2、")));
}

} // namespace
