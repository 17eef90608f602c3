// The pool-evaporation and leak-rate windows driven as a user would: which
// event recomputes which result, and the worked figures as the boxes show
// them.
#include "window_driver.h"
#include "window_script.h"

#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

const QString kEvaporation = QStringLiteral("风险评价蒸发量");

struct Case
{
    const char *name;
    QString window;
    std::vector<Act> acts;
};

void runCases(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        WindowDriver w(c.window);
        runScript(w, c.acts, c.name);
    }
}

TEST(PoolEvaporationWindow, PagesRecomputeTheirOwnResults)
{
    runCases({
        {"a new window", kEvaporation,
         {shows("Text7", "0"), shows("Text12", ""), shows("Text18", ""), shows("Text23", ""), visible("Frame1"),
          hidden("Frame2")}},
        {"a click into the flash result", kEvaporation, {click("Text7"), shows("Text7", "14.66667")}},
        {"flash: duration 0", kEvaporation, {set("Text2", "0"), shows("Text7", "0")}},
        {"flash: heat of vaporisation 0", kEvaporation, {set("Text6", "0"), shows("Text7", "0")}},
        {"heat: before a ground type", kEvaporation, {set("Text8", "300"), shows("Text12", "0")}},
        {"heat: the five grounds", kEvaporation,
         {choose("Combo1", "水泥地"), shows("Text12", "8.051499"), choose("Combo1", "土地"), shows("Text12", "3.608172"),
          choose("Combo1", "干土地"), shows("Text12", "1.644509"), choose("Combo1", "湿地"), shows("Text12", "2.745827"),
          choose("Combo1", "砂砾地"), shows("Text12", "6.266465")}},
        {"heat: a click into its result does nothing", kEvaporation, {click("Text12"), shows("Text12", "")}},
        {"mass: nothing before a stability", kEvaporation, {set("Text14", "2000"), click("Text18"), shows("Text18", "")}},
        {"mass: the three stabilities", kEvaporation,
         {choose("Combo2", "不稳定A,B"), shows("Text18", "578.8893"), choose("Combo2", "中性C"), shows("Text18", "654.5321"),
          choose("Combo2", "稳定E,F"), shows("Text18", "687.5569")}},
        {"mass: a typed stability counts at the next recomputation", kEvaporation,
         {type("Combo2", "中性C"), shows("Text18", ""), set("Text16", "2"), shows("Text18", "654.5321")}},
        {"total from the three result texts", kEvaporation,
         {click("Text7"), choose("Combo1", "水泥地"), choose("Combo2", "不稳定A,B"), set("Text20", "30"),
          set("Text21", "60"), set("Text22", "600"), shows("Text23", "348256.67004"), set("Text2", "60"),
          shows("Text23", "348256.67004"), click("Text23"), shows("Text23", "348036.66993"), set("Text22", ""),
          shows("Text23", "")}},
    });

    WindowDriver w(kEvaporation);
    auto *tabs = w.find<QTabWidget>("TabStrip1");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("总蒸发量"));
    EXPECT_FALSE(tabs->tabToolTip(3).isEmpty());
    tabs->setCurrentIndex(2);
    EXPECT_TRUE(w.find("Frame3")->isVisibleTo(w.window()));
    EXPECT_FALSE(w.find("Frame1")->isVisibleTo(w.window()));
}

TEST(LeakRateWindows, WorkedFiguresAndEvents)
{
    runCases({
        {"liquid, design texts", "液体泄漏速度", {shows("Text6", ""), press("Command1"), shows("Text6", "119.4063")}},
        {"liquid, P = P0 and h = 0", "液体泄漏速度",
         {set("Text2", "101325"), set("Text4", "0"), press("Command1"), shows("Text6", "0")}},
        {"gas, design texts, no shape", "气体泄漏量", {press("Command1"), shows("Text6", "15.46112")}},
        {"gas, circle", "气体泄漏量", {choose("Combo1", "圆形"), press("Command1"), shows("Text6", "17.17903")}},
        {"gas, empty input keeps the previous press", "气体泄漏量",
         {press("Command1"), set("Text1", ""), press("Command1"), shows("Text6", "15.46112")}},
        {"gas, critical outflow", "气体泄漏量", {set("Text3", "5000"), press("Command1"), shows("Text6", "21.00774")}},
        {"two-phase shows nothing before an event", "两相泄漏量计算", {shows("Text6", "")}},
        {"two-phase on a click into its result", "两相泄漏量计算", {click("Text6"), shows("Text6", "4.517126")}},
        {"two-phase on every keystroke", "两相泄漏量计算",
         {type("Text7", "0"), shows("Text6", "57.6"), type("Text7", "500"), shows("Text6", "4.517126")}},
    });

    for (const char *window : {"液体泄漏速度", "气体泄漏量", "两相泄漏量计算"}) {
        WindowDriver w(QString::fromUtf8(window));
        EXPECT_NE(w.find("Image1"), nullptr) << window;
        EXPECT_TRUE(w.text("Label2").startsWith(QStringLiteral("式中："))) << window;
    }
}

} // namespace
