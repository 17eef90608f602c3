// The three live mass-balance windows through their boxes: which event
// recomputes which result, what the results show, and the explanation
// buttons. Every case opens its window fresh: design-time inputs, empty
// results.
#include "common/forms/input_helpers.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_script.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace corvalen;

namespace {

const QString kCoal = QStringLiteral("燃煤烟尘量");
const QString kOil = QStringLiteral("燃油排放污染物");
const QString kGas = QStringLiteral("燃气污染物排放量的计算1");

const QStringList kCoalResults = {"Text6", "Text10", "Text11", "Text14"};  // Gsd, Gso2, Gnox, Gco
const QStringList kOilResults = {"Text10", "Text11", "Text14"};           // Gso2, Gnox, Gco
const QStringList kGasResults = {"Text6", "Text3"};                       // Gso2, Gco

QStringList resultsOf(const QString &window)
{
    return window == kCoal ? kCoalResults : window == kOil ? kOilResults : kGasResults;
}

struct Case
{
    const char *name;
    QString window;
    std::vector<Act> actions;
    std::map<QString, QString> shown;  // every result box; "" where none was written
};

TEST(MassBalanceWindows, ResultsFollowTheirInputs)
{
    const Case cases[] = {
        {"coal, B retyped", kCoal, {type("Text1", "300")},
         {{"Text6", "3578.57"}, {"Text10", "115.2"}, {"Text11", "4126.18"}, {"Text14", "16776."}}},
        {"coal, η2 0 changes only Gso2", kCoal, {type("Text1", "300"), type("Text8", "0")},
         {{"Text6", "3578.57"}, {"Text10", "1152."}, {"Text11", "4126.18"}, {"Text14", "16776."}}},
        {"coal, B emptied", kCoal, {set("Text1", "")}, {{"Text6", "."}, {"Text10", "."}, {"Text11", "."}, {"Text14", "."}}},
        {"coal, B 0", kCoal, {type("Text1", "0")}, {{"Text6", "."}, {"Text10", "."}, {"Text11", "."}, {"Text14", "."}}},
        {"coal, Cfh emptied fails Gsd alone", kCoal, {type("Text1", "300"), set("Text4", "")},
         {{"Text6", "."}, {"Text10", "115.2"}, {"Text11", "4126.18"}, {"Text14", "16776."}}},
        {"coal, Cfh 100 divides by zero", kCoal, {type("Text4", "100")},
         {{"Text6", "."}, {"Text10", ""}, {"Text11", ""}, {"Text14", ""}}},
        {"coal, text in a result box stays until its trigger", kCoal,
         {type("Text6", "abc"), type("Text9", "0.24"), click("Text10")},
         {{"Text6", "abc"}, {"Text10", "115.2"}, {"Text11", ""}, {"Text14", ""}}},
        {"coal, a click into Gco alone, with the design inputs", kCoal, {type("Text6", "abc"), click("Text14")},
         {{"Text6", "abc"}, {"Text10", ""}, {"Text11", ""}, {"Text14", "16776."}}},

        {"oil, B retyped", kOil, {type("Text1", "600")}, {{"Text10", "2880."}, {"Text11", "1465.04"}, {"Text14", "25164."}}},
        {"oil, C waits for a click into Gco", kOil, {type("Text1", "600"), type("Text12", "80")},
         {{"Text10", "2880."}, {"Text11", "1465.04"}, {"Text14", "25164."}}},
        {"oil, the click shows the new C", kOil, {type("Text1", "600"), type("Text12", "80"), click("Text14")},
         {{"Text10", "2880."}, {"Text11", "1465.04"}, {"Text14", "22368."}}},
        {"oil, η2 taken at the next Gnox trigger", kOil, {type("Text7", "0"), type("Text2", "0.14")},
         {{"Text10", ""}, {"Text11", "917.36"}, {"Text14", ""}}},
        {"oil, η1 100", kOil, {type("Text8", "100")}, {{"Text10", "."}, {"Text11", ""}, {"Text14", ""}}},
        {"oil, N emptied", kOil, {set("Text2", "")}, {{"Text10", ""}, {"Text11", "."}, {"Text14", ""}}},
        {"oil, B emptied", kOil, {set("Text1", "")}, {{"Text10", "."}, {"Text11", "."}, {"Text14", "."}}},

        {"gas, V retyped", kGas, {type("Text1", "300")}, {{"Text6", ".43"}, {"Text3", "7.5"}}},
        {"gas, VCmHn 2 changes only Gco", kGas, {type("Text1", "300"), type("Text5", "2")},
         {{"Text6", ".43"}, {"Text3", "9.45"}}},
        {"gas, CH2S 1", kGas, {type("Text2", "1")}, {{"Text6", "8.57"}, {"Text3", ""}}},
        {"gas, VCmHn emptied", kGas, {type("Text1", "300"), set("Text5", "")}, {{"Text6", ".43"}, {"Text3", "."}}},
        {"gas, V emptied", kGas, {set("Text1", "")}, {{"Text6", "."}, {"Text3", "."}}},
        {"gas, V 0", kGas, {type("Text1", "0")}, {{"Text6", "."}, {"Text3", "."}}},
        {"gas, text in a result box stays", kGas, {type("Text3", "x"), type("Text2", "1")},
         {{"Text6", "8.57"}, {"Text3", "x"}}},
    };
    for (const Case &c : cases) {
        WindowDriver window(c.window);
        runScript(window, c.actions, c.name);
        for (const QString &box : resultsOf(c.window))
            EXPECT_EQ(window.text(box), c.shown.at(box)) << c.name << ", " << box.toStdString();
    }
}

// Each event on a fresh window (design-time inputs, empty results): the
// results it recomputes show a text, all others stay empty. A change is a
// write of the box's own design-time text.
TEST(MassBalanceWindows, EachEventRecomputesItsResults)
{
    struct Row
    {
        QString window;
        Act::Kind event;  // Set (a change) or Click
        QStringList boxes;   // each on a fresh window
        QStringList recomputed;
    };
    const Row rows[] = {
        {kCoal, Act::Set, {"Text1"}, kCoalResults},
        {kCoal, Act::Set, {"Text2", "Text3", "Text4", "Text5"}, {"Text6"}},
        {kCoal, Act::Set, {"Text9", "Text8"}, {"Text10"}},
        {kCoal, Act::Set, {"Text7"}, {"Text11"}},
        {kCoal, Act::Set, {"Text12", "Text13"}, {"Text14"}},
        {kCoal, Act::Click, {"Text6"}, {"Text6"}},
        {kCoal, Act::Click, {"Text10"}, {"Text10"}},
        {kCoal, Act::Click, {"Text11"}, {"Text11"}},
        {kCoal, Act::Click, {"Text14"}, {"Text14"}},
        {kCoal, Act::Click, {"Text1"}, {}},

        {kOil, Act::Set, {"Text1"}, kOilResults},
        {kOil, Act::Set, {"Text9", "Text8"}, {"Text10"}},
        {kOil, Act::Set, {"Text2"}, {"Text11"}},
        {kOil, Act::Set, {"Text7", "Text12", "Text13"}, {}},
        {kOil, Act::Click, {"Text10"}, {"Text10"}},
        {kOil, Act::Click, {"Text11"}, {"Text11"}},
        {kOil, Act::Click, {"Text14"}, {"Text14"}},

        {kGas, Act::Set, {"Text1"}, kGasResults},
        {kGas, Act::Set, {"Text2"}, {"Text6"}},
        {kGas, Act::Set, {"Text9", "Text8", "Text4", "Text5"}, {"Text3"}},
        {kGas, Act::Click, {"Text6"}, {"Text6"}},
        {kGas, Act::Click, {"Text3"}, {"Text3"}},
    };
    for (const Row &row : rows) {
        for (const QString &control : row.boxes) {
            WindowDriver window(row.window);
            runScript(window, {{row.event, control, window.text(control)}}, row.window.toUtf8().constData());
            for (const QString &box : resultsOf(row.window)) {
                EXPECT_EQ(window.text(box).isEmpty(), !row.recomputed.contains(box))
                    << row.window.toStdString() << ", event on " << control.toStdString() << ", " << box.toStdString();
            }
        }
    }
}

TEST(MassBalanceWindows, ExplanationButtonsOpenTablesOrAdvise)
{
    struct Row
    {
        QString window;
        QString button;
        QString opens;    // a table window, or
        QString message;  // a message
    };
    const QString coalNote = kZeroResultNoteCoalDust.toString();
    const QString oilNote = kZeroResultNoteFuelOil.toString();
    const QString components = QStringLiteral("燃气中主要物质体积含量");
    const QString coalCarbon = QStringLiteral("燃煤燃烧不完全值和含碳量QC");
    const Row rows[] = {
        {kCoal, "Command1", QStringLiteral("煤中灰分含量")},
        {kCoal, "Command2", QStringLiteral("灰分中烟尘的含量")},
        {kCoal, "Command3", QStringLiteral("烟尘中可燃物含量")},
        {kCoal, "Command8", QStringLiteral("各种除尘器的效率")},
        {kCoal, "Command4", QStringLiteral("煤的全硫分含量")},
        {kCoal, "Command5", QStringLiteral("燃煤中氮NOX转化率")},
        {kCoal, "Command6", coalCarbon},
        {kCoal, "Command7", coalCarbon},
        {kCoal, "Command9", {}, coalNote},
        {kCoal, "Command10", {}, coalNote},
        {kCoal, "Command11", {}, coalNote},
        {kCoal, "Command12", {}, coalNote},
        {kOil, "Command1", QStringLiteral("燃油全硫分含量")},
        {kOil, "Command2", QStringLiteral("燃油中含氮量")},
        {kOil, "Command5", {}, QStringLiteral("目前只有燃油锅炉数据,NOX转化率为40%,此项不可更改!")},
        {kOil, "Command6", {}, QStringLiteral("目前只有重油的含碳量,数据为90%,不要更改!")},
        {kOil, "Command7", {}, QStringLiteral("目前只有重油的燃烧不完全值,数据为2%,不要更改!")},
        {kOil, "Command10", {}, oilNote},
        {kOil, "Command11", {}, oilNote},
        {kOil, "Command12", {}, oilNote},
        {kGas, "Command1", QStringLiteral("燃气中H2S的含量")},
        {kGas, "Command4", QStringLiteral("燃气燃烧不完全值表")},
        {kGas, "Command2", components},
        {kGas, "Command3", components},
        {kGas, "Command5", components},
        {kGas, "Command9", {}, oilNote},
        {kGas, "Command6", {}, oilNote},
    };
    for (const Row &row : rows) {
        WindowDriver window(row.window);
        MessageRecorder messages;
        auto *button = window.find<QPushButton>(row.button);
        ASSERT_NE(button, nullptr) << row.window.toStdString() << " " << row.button.toStdString();
        EXPECT_EQ(button->text(), QStringLiteral("......?"));
        window.press(row.button);
        if (row.opens.isEmpty()) {
            EXPECT_EQ(messages.messages, QStringList{row.message}) << row.button.toStdString();
        } else {
            EXPECT_TRUE(messages.messages.isEmpty());
            ToolWindow *table = ToolRegistry::global().existingInstance(row.opens);
            ASSERT_NE(table, nullptr) << row.opens.toStdString();
            EXPECT_TRUE(table->widget() && table->widget()->isVisible()) << row.opens.toStdString();
        }
    }
}

} // namespace
