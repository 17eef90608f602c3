// The live dust calculators through their boxes, the coal pile's help
// window and the dust methods document. Every case opens its window fresh:
// design-time inputs, empty results.
#include "common/views/embedded_document_window.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_script.h"

#include <QPushButton>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace corvalen;

namespace {

const QString kCoalPile = QStringLiteral("秦皇岛码头煤堆起尘量计算");
const QString kLoading = QStringLiteral("秦皇岛码头装卸起尘量计算1");
const QString kPortRoad = QStringLiteral("某港口道路扬尘计算1");
const QString kVehicleRoad = QStringLiteral("汽车道路扬尘计算");
const QString kSite = QStringLiteral("建设工地起尘量的计算");
const QString kWindPile = QStringLiteral("煤堆起尘量计算");
const QString kRoadFactor = QStringLiteral("道路起尘量计算");
const QString kFormula = QStringLiteral("秦皇岛码头煤堆起尘量计算公式1");
const QString kDocument = QStringLiteral("相关起尘量计算的资料");

struct Layout
{
    QStringList inputs;
    QStringList results;
};

const std::map<QString, Layout> kLayouts = {
    {kCoalPile, {{"Text1", "Text2", "Text3", "Text4", "Text5", "Text8"}, {"Text6", "Text9"}}},
    {kLoading, {{"Text1", "Text2", "Text3"}, {"Text4", "Text9"}}},
    {kPortRoad, {{"Text1", "Text2", "Text3"}, {"Text6"}}},
    {kVehicleRoad, {{"Text1", "Text2", "Text3"}, {"Text6"}}},
    {kSite, {{"Text1", "Text2", "Text3", "Text4", "Text5"}, {"Text6"}}},
    {kWindPile, {{"Text1", "Text2", "Text3", "Text4"}, {"Text6"}}},
    {kRoadFactor, {{"Text1", "Text2", "Text3"}, {"Text6"}}},
};

struct Case
{
    const char *name;
    QString window;
    std::vector<Act> actions;
    QStringList shown;  // the result boxes, in the order of the layout
};

TEST(DustWindows, ResultsFollowTheirInputs)
{
    const Case cases[] = {
        {"coal pile, P retyped", kCoalPile, {type("Text5", "4000")}, {"7279.846", ".239"}},
        {"coal pile, a click shows two decimals", kCoalPile, {type("Text5", "4000"), click("Text6")},
         {"7279.85", ".239"}},
        {"coal pile, a click before any change", kCoalPile, {click("Text9")}, {"7279.85", ".239"}},
        {"coal pile, U = 5", kCoalPile, {type("Text2", "5")}, {"58238.768", "1.91"}},
        {"coal pile, U = 6", kCoalPile, {type("Text2", "6")}, {"196555.843", "6.447"}},
        {"coal pile, U equal to U0", kCoalPile, {type("Text2", "3")}, {".", "."}},
        {"coal pile, U below U0", kCoalPile, {type("Text2", "2")}, {"-7279.846", "-.239"}},
        {"coal pile, frequency cleared", kCoalPile, {set("Text8", "")}, {"7279.846", "."}},
        {"coal pile, a letter in K", kCoalPile, {type("Text1", "a")}, {".", "."}},
        {"coal pile, W emptied", kCoalPile, {set("Text4", "")}, {".", "."}},
        {"coal pile, W 0 and a large P", kCoalPile, {type("Text4", "0"), type("Text5", "400000000")},
         {"806400000.", "26449.92"}},
        {"coal pile, typing into a result", kCoalPile, {type("Text5", "4000"), type("Text6", "1")},
         {"1", ".239"}},
        {"coal pile, a click overwrites what was typed", kCoalPile,
         {type("Text5", "4000"), type("Text6", "1"), type("Text9", "x"), click("Text6")}, {"7279.85", ".239"}},

        {"loading, H retyped", kLoading, {type("Text1", "0.5")}, {"919.19", "2.38"}},
        {"loading, H emptied", kLoading, {set("Text1", "")}, {".", "."}},
        {"loading, W 0", kLoading, {type("Text3", "0")}, {"924.35", "2.4"}},
        {"loading, U 0", kLoading, {type("Text2", "0")}, {".", "."}},
        {"loading, H 0", kLoading, {type("Text1", "0")}, {".", "."}},
        {"loading, negative H", kLoading, {set("Text1", "-0.5")}, {".", "."}},
        {"loading, a click overwrites", kLoading, {type("Text9", "9"), click("Text9")}, {"919.19", "2.38"}},

        {"port road, V retyped", kPortRoad, {type("Text1", "10")}, {"2.28"}},
        {"port road, V 0", kPortRoad, {type("Text1", "0")}, {"."}},
        {"port road, P 0", kPortRoad, {type("Text3", "0")}, {"."}},
        {"port road, negative W", kPortRoad, {set("Text2", "-45")}, {"."}},

        {"road, V retyped", kVehicleRoad, {type("Text1", "60")}, {"1.898"}},
        {"road, negative V", kVehicleRoad, {set("Text1", "-60")}, {"-1.898"}},
        {"road, a letter in P", kVehicleRoad, {type("Text3", "p")}, {"."}},
        {"road, a click overwrites", kVehicleRoad, {type("Text6", "x"), click("Text6")}, {"1.898"}},

        {"site, P retyped", kSite, {type("Text1", "0.62")}, {".02662"}},
        {"site, rain all year", kSite, {type("Text4", "365")}, {"."}},
        {"site, more rain days than the year", kSite, {type("Text4", "400")}, {"-.00433"}},
        {"site, a letter in T", kSite, {type("Text5", "t")}, {"."}},

        {"coal pile by wind, U retyped", kWindPile, {type("Text1", "6")}, {"166.637"}},
        {"coal pile by wind, negative U", kWindPile, {set("Text1", "-6")}, {"."}},
        {"coal pile by wind, W 0.07", kWindPile, {type("Text4", "0.07")}, {"4347.338"}},

        {"road factor, V retyped", kRoadFactor, {type("Text1", "40")}, {".011"}},
        {"road factor, T and U exchanged", kRoadFactor, {type("Text2", "5.0"), type("Text3", "4")}, {".011"}},
        {"road factor, V 0", kRoadFactor, {type("Text1", "0")}, {"."}},
    };
    for (const Case &c : cases) {
        WindowDriver window(c.window);
        runScript(window, c.actions, c.name);
        const QStringList &results = kLayouts.at(c.window).results;
        for (int i = 0; i < results.size(); ++i)
            EXPECT_EQ(window.text(results[i]), c.shown.value(i)) << c.name << ", " << results[i].toStdString();
    }
}

// The windows open with empty results; a change of any input (the same
// text written again) and a click into any result recompute all results,
// a click into an input none.
TEST(DustWindows, EveryInputChangeAndResultClickRecomputes)
{
    for (const auto &[name, layout] : kLayouts) {
        SCOPED_TRACE(name.toStdString());
        {
            WindowDriver window(name);
            for (const QString &box : layout.results)
                EXPECT_EQ(window.text(box), QString()) << "at opening, " << box.toStdString();
            window.click(layout.inputs.first());
            for (const QString &box : layout.results)
                EXPECT_EQ(window.text(box), QString()) << "a click into an input, " << box.toStdString();
        }
        std::vector<Act> events;
        for (const QString &box : layout.inputs)
            events.push_back({Act::Set, box});
        for (const QString &box : layout.results)
            events.push_back(click(box));
        for (Act event : events) {
            WindowDriver window(name);
            event.text = window.text(event.control);
            runScript(window, {event}, "event");
            for (const QString &box : layout.results)
                EXPECT_NE(window.text(box), QString()) << "event on " << event.control.toStdString() << ", "
                                                       << box.toStdString();
        }
    }
}

TEST(DustWindows, ExplanationButtons)
{
    struct Row
    {
        QString window;
        QString button;
        QString message;  // empty: the button does nothing
    };
    const Row rows[] = {
        {kCoalPile, "Command1", QStringLiteral(" K-经验系数，是煤含水量的函数，取K=0.96；")},
        {kCoalPile, "Command5", QStringLiteral("请选取煤场某种风向下的风速,你可以选取主导风向或是其它的风向!")},
        {kCoalPile, "Command2", QStringLiteral("U0-煤尘的启动风速，m/s，取3.0m/s")},
        {kCoalPile, "Command3",
         QStringLiteral("此为计算量,实际起尘量应该考虑你用取风速的风频,计算量与风频的积为实际起尘量")},
        {kCoalPile, "Command4", {}},
        {kSite, "Command1", QStringLiteral("P-可扬起尘粒(直径<30um)比例数；石子路面为0.62，泥土路面为0.32；")},
        {kSite, "Command2", QStringLiteral("车子的轮胎数，一般为6个轮胎")},
    };
    for (const Row &row : rows) {
        WindowDriver window(row.window);
        MessageRecorder messages;
        auto *button = window.find<QPushButton>(row.button);
        ASSERT_NE(button, nullptr) << row.button.toStdString();
        EXPECT_EQ(button->text(), QStringLiteral("......?"));
        window.press(row.button);
        EXPECT_EQ(messages.messages, row.message.isEmpty() ? QStringList() : QStringList{row.message})
            << row.window.toStdString() << " " << row.button.toStdString();
        for (const QString &box : kLayouts.at(row.window).results)
            EXPECT_EQ(window.text(box), QString()) << "a button computes nothing";
    }
}

TEST(DustWindows, HelpButtonShowsOneFormulaWindow)
{
    WindowDriver window(kCoalPile);
    window.press("Command6");
    ToolWindow *formula = ToolRegistry::global().existingInstance(kFormula);
    ASSERT_NE(formula, nullptr);
    ASSERT_TRUE(formula->widget() && formula->widget()->isVisible());
    QWidget *first = formula->widget();
    window.press("Command6");
    EXPECT_EQ(ToolRegistry::global().existingInstance(kFormula), formula);
    EXPECT_EQ(formula->widget(), first);
    // Independent once open: closing the calculator leaves it shown.
    window.close();
    EXPECT_TRUE(formula->widget() && formula->widget()->isVisible());
    formula->widget()->close();
}

TEST(DustWindows, MethodsDocumentShowsItsSectionsAndTable)
{
    WindowDriver window(kDocument);
    auto *box = window.find<QTextBrowser>("OLE1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window.window()->windowTitle(), kDocument);
    const QString text = box->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("起尘量计算方法")));
    // The first and the last section, and the table as text.
    const qsizetype first = text.indexOf(QStringLiteral("(一)建设工地起尘量计算："));
    EXPECT_GT(first, 0);
    EXPECT_GT(text.indexOf(QStringLiteral("(八)秦皇岛码头煤堆起尘量计算公式")), first);
    for (const char *cell : {"表2-1   估算煤堆起尘量参数和计算结果", "196555.95", "合计4.22"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(cell))) << cell;

    EXPECT_EQ(window.find<QPushButton>("Command5")->text(), QStringLiteral("激活（复原）文档"));
    EXPECT_EQ(window.find<QPushButton>("CommandClose")->text(), QStringLiteral("关闭文档"));
}

} // namespace
