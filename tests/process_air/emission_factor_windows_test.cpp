// The emission-factor and foundry windows driven as a user would: each row
// opens the window fresh (E at zero) and runs its acts in order.
#include "message_recorder.h"
#include "window_driver.h"
#include "window_script.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

const QString kIncinerator = QStringLiteral("焚烧垃圾烟尘排放量");
const QString kFurnaceMode = QStringLiteral("焚烧炉焚烧");
const QString kOpen = QStringLiteral("露天焚烧");

struct Case
{
    const char *name;
    QString window;
    std::vector<Act> acts;
    QStringList messages = {};
};

void runCases(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        MessageRecorder recorder;
        WindowDriver w(c.window);
        runScript(w, c.acts, c.name);
        EXPECT_EQ(recorder.messages, c.messages) << c.name;
    }
}

TEST(EmissionFactorWindows, WorkedExamples)
{
    runCases({
        {"incinerator, city furnace", kIncinerator,
         {shows("Text6", " "), choose("Combo4", kFurnaceMode), choose("Combo1", "城市系统多室炉"), press("Command2"),
          shows("Text6", "1542")}},
        {"incinerator, open burning CO", kIncinerator,
         {choose("Combo4", kOpen), choose("Combo2", "城市垃圾"), choose("Combo3", "一氧化碳"), press("Command2"),
          shows("Text6", "77120")}},
        {"incinerator, farm refuse formaldehyde", kIncinerator,
         {choose("Combo4", kOpen), choose("Combo2", "农业垃圾"), choose("Combo3", "甲醛"), press("Command2"),
          shows("Text6", "10")}},
        {"incinerator, no mode right after opening", kIncinerator, {press("Command2"), shows("Text6", "0")}},
        {"incinerator, efficiency above 100 %", kIncinerator,
         {choose("Combo4", kFurnaceMode), choose("Combo1", "城市系统多室炉"), set("Text1", "110"), press("Command2"),
          shows("Text6", "-1542")}},
        {"open burning: refuse kind without pollutant gives 0, neither keeps E", kIncinerator,
         {choose("Combo4", kOpen), choose("Combo2", "城市垃圾"), choose("Combo3", "烟尘"), press("Command2"),
          shows("Text6", "14520"), set("Combo3", ""), press("Command2"), shows("Text6", "0"), choose("Combo3", "烟尘"),
          press("Command2"), set("Combo2", ""), set("Combo3", ""), press("Command2"), shows("Text6", "14520")}},
        {"feed mill", "饲料及粮食加工",
         {choose("Combo1", "小麦风选器（除壳）"), press("Command2"), shows("Text6", "9.1")}},
        {"feed mill, nothing chosen", "饲料及粮食加工", {press("Command2"), shows("Text6", "0")}},
        {"cotton gin in t", "棉花轧花机粉尘排放量",
         {shows("Label3_0", "颗粒物排放量（T）="), press("Command2"), shows("Text6", "2.34")}},
        {"glass raw material", "玻璃原料制造设备颗粒物排放量", {press("Command2"), shows("Text6", "748")}},
        {"glass making", "玻璃制造颗粒物排放量",
         {press("Command2"), set("Text2", ""), press("Command2"), shows("Text6", "91")}},
        {"lime kiln, rotary", "石灰窑粉尘量计算", {choose("Combo1", "回转窑"), press("Command2"), shows("Text6", "10")}},
        {"lime kiln, shaft ignores an empty coefficient", "石灰窑粉尘量计算",
         {set("Text1", ""), choose("Combo1", "竖型窑"), press("Command2"), shows("Text6", "1")}},
        {"lime kiln, nothing chosen", "石灰窑粉尘量计算", {press("Command2"), shows("Text6", "0")}},
    });
}

TEST(EmissionFactorWindows, IncineratorModeSwitchAndPrintedLines)
{
    runCases({
        {"open burning hides the furnace and efficiency", kIncinerator,
         {visible("Text1"), choose("Combo4", kOpen), hidden("Combo1"), hidden("Label2_3"), hidden("Text1"),
          hidden("Label2_2"), visible("Combo2"), visible("Combo3"), choose("Combo4", kFurnaceMode), visible("Combo1"),
          visible("Text1"), shows("Text1", "90")}},
        {"typing a mode changes no visibility", kIncinerator, {type("Combo4", kOpen), visible("Text1")}},
    });

    WindowDriver w(kIncinerator);
    w.choose("Combo4", kFurnaceMode);
    w.choose("Combo1", QStringLiteral("商业系统单室炉"));
    w.press("Command2");
    w.choose("Combo1", QStringLiteral("城市系统多室炉"));
    w.press("Command2");  // no line for this furnace
    w.choose("Combo1", QStringLiteral("家用焚烧炉"));
    w.set("Text2", QStringLiteral("x"));
    w.press("Command2");  // a line although the amount is no number
    EXPECT_EQ(w.text("Text6"), QStringLiteral("1542"));
    auto *printed = w.find<QLabel>(QStringLiteral("PrintedLines"));
    ASSERT_NE(printed, nullptr);
    EXPECT_EQ(printed->text(), QStringLiteral("q=908\nq=1542"));
}

// 0 × ∞ (an efficiency of 100 % and an amount that overflows) has no value:
// the result and the printed line keep E, also on the next press.
TEST(EmissionFactorWindows, UndefinedProductKeepsTheResult)
{
    WindowDriver w(kIncinerator);
    w.choose("Combo4", kFurnaceMode);
    w.choose("Combo1", QStringLiteral("家用焚烧炉"));
    w.press("Command2");
    w.set("Text1", QStringLiteral("100"));
    w.set("Text2", QStringLiteral("1e308"));
    w.press("Command2");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("1360"));
    w.set("Text2", QString());
    w.press("Command2");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("1360"));
    auto *printed = w.find<QLabel>(QStringLiteral("PrintedLines"));
    ASSERT_NE(printed, nullptr);
    EXPECT_EQ(printed->text(), QStringLiteral("q=1360\nq=1360\nq=1360"));
}

// However many lines are printed, they cover no control and every one of
// them stays in sight.
TEST(EmissionFactorWindows, PrintedLinesCoverNoControl)
{
    WindowDriver w(kIncinerator);
    w.choose("Combo4", kFurnaceMode);
    w.choose("Combo1", QStringLiteral("商业系统单室炉"));
    auto *printed = w.find<QLabel>(QStringLiteral("PrintedLines"));
    ASSERT_NE(printed, nullptr);
    for (int lines = 1; lines <= 6; ++lines) {
        w.press("Command2");
        QCoreApplication::processEvents();
        ASSERT_EQ(printed->text().count(u'\n') + 1, lines);
        const QRect area(printed->mapTo(w.window(), QPoint(0, 0)), printed->size());
        EXPECT_GE(area.height(), lines * printed->fontMetrics().lineSpacing()) << lines << " lines";
        EXPECT_TRUE(w.window()->rect().contains(area)) << lines << " lines";
        for (QWidget *other : w.window()->findChildren<QWidget *>()) {
            if (other == printed || !other->isVisible() || other->isAncestorOf(printed))
                continue;
            const QRect at(other->mapTo(w.window(), QPoint(0, 0)), other->size());
            EXPECT_FALSE(area.intersects(at)) << lines << " lines cover " << other->objectName().toStdString();
        }
    }
}

TEST(FoundryWindow, BlocksMessagesAndClear)
{
    const QString kFoundry = QStringLiteral("铸造工业颗粒物排放量");
    const QString message = QStringLiteral("未有统计数据");
    runCases({
        {"aluminium crucible", kFoundry,
         {set("Text1", "100"), choose("Combo1", "坩锅炉"), choose("Combo7", "无防治措施"), press("Command2"),
          shows("Text6", "86")}},
        {"block 6 overwrites block 1", kFoundry,
         {set("Text1", "100"), choose("Combo1", "坩锅炉"), choose("Combo7", "无防治措施"), choose("Combo6", "镀锌炉"),
          choose("Combo12", "无防治措施"), press("Command2"), shows("Text6", "240")}},
        {"no factor: the message, the previous result", kFoundry,
         {set("Text1", "100"), choose("Combo1", "坩锅炉"), choose("Combo7", "袋室除尘"), press("Command2"),
          shows("Text6", "0")},
         {message}},
        {"two blocks without factor: two messages", kFoundry,
         {set("Text1", "100"), choose("Combo1", "反射炉"), choose("Combo5", "感应炉"), choose("Combo11", "电吸尘器"),
          press("Command2"), shows("Text6", "0")},
         {message, message}},
        {"empty quantity: no message, previous result", kFoundry,
         {choose("Combo3", "通用"), choose("Combo9", "感应电炉"), press("Command2"), shows("Text6", "0")}},
        {"clear empties the lists and keeps the result", kFoundry,
         {set("Text1", "100"), choose("Combo4", "反射炉或旧铅炉"), choose("Combo10", "无防治措施"), press("Command2"),
          shows("Text6", "6985"), press("Command3"), shows("Combo4", ""), shows("Combo10", ""), shows("Text6", "6985"),
          shows("Text1", "100"), press("Command2"), shows("Text6", "6985")}},
    });
}

TEST(FoundryWindow, ListsHoldTheirItemsOnceAfterClear)
{
    WindowDriver w(QStringLiteral("铸造工业颗粒物排放量"));
    w.press("Command3");
    auto *steel = w.find<QComboBox>("Combo11");
    ASSERT_EQ(steel->count(), 5);
    EXPECT_EQ(steel->itemText(3), QStringLiteral("无防治措施"));
    // The second copy of an item chooses the same factor as the first.
    w.set("Text1", "100");
    w.choose("Combo5", QStringLiteral("弧型炉"));
    steel->setCurrentIndex(4);
    Q_EMIT steel->activated(4);
    w.press("Command2");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("64"));
    EXPECT_EQ(w.find<QComboBox>("Combo3")->count(), 1);
}

} // namespace
