// The compute-button windows of the fuel toolbox through their controls:
// each case opens the window fresh (window-level values zero) and runs its
// presses in order; a press sets the list and boxes it names, presses 计算
// and reads the result boxes and the messages shown.
#include "common/forms/input_helpers.h"
#include "common/numbers/number_text.h"
#include "fuel/flue_gas.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QComboBox>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

using namespace corvalen;

namespace {

using Boxes = std::map<QString, QString>;  // control name to text

const QString kFlueGas = QStringLiteral("燃料燃烧燃气产生量");
const QString kTeaBoiler = QStringLiteral("茶炉污染物产排放量计算");
const QString kStove = QStringLiteral("大灶污染物产排量计算");
const QString kRaw = QStringLiteral("原　　煤");
const QString kBriquette = QStringLiteral("型　　煤");

struct Press
{
    std::optional<QString> list;  // an item is chosen, any other text typed; none: left as it is
    Boxes boxes;   // set before the press
    Boxes shown;   // read after it
    QStringList messages = {};
};

struct Case
{
    const char *name;
    QString window;
    QString button;
    std::vector<Press> presses;
};

void run(const Case &c)
{
    WindowDriver window(c.window);
    int step = 0;
    for (const Press &p : c.presses) {
        MessageRecorder messages;
        if (p.list) {
            if (window.find<QComboBox>("Combo1")->findText(*p.list) >= 0)
                window.choose("Combo1", *p.list);
            else
                window.set("Combo1", *p.list);
        }
        for (const auto &[box, text] : p.boxes)
            window.set(box, text);
        window.press(c.button);
        for (const auto &[box, text] : p.shown)
            EXPECT_EQ(window.text(box), text) << c.name << ", press " << step << ", " << box.toStdString();
        EXPECT_EQ(messages.messages, p.messages) << c.name << ", press " << step;
        ++step;
    }
}

const QStringList kChooseFuel = {kChooseFuelMessage.toString()};

TEST(FlueGasWindow, PressesFollowTheFuelAndKeepWhatFailedStepsLeave)
{
    const QString solid = QStringLiteral("固体燃料");
    const QString naturalGas = QStringLiteral("天燃气");
    const Boxes worked = {{"Text1", "4187"}, {"Text2", "1.4"}, {"Text3", "0.1"}};
    const Boxes workedShown = {{"Text4", "3.295"}, {"Text6", "3295"}};
    const Case cases[] = {
        {"worked example", kFlueGas, "Command2", {{solid, worked, workedShown}}},
        {"first press without a fuel", kFlueGas, "Command2",
         {{std::nullopt, worked, {{"Text4", "0"}, {"Text6", "0"}}, kChooseFuel}}},
        {"a typed text that is no item", kFlueGas, "Command2",
         {{QStringLiteral("固体"), worked, {{"Text4", "0"}, {"Text6", "0"}}, kChooseFuel}}},
        {"solid with every box empty", kFlueGas, "Command2", {{solid, {}, {{"Text4", "1.15"}, {"Text6", "1150"}}}}},
        {"gas at 12561 and just below", kFlueGas, "Command2",
         {{QStringLiteral("气体燃料"), {{"Text1", "12561"}, {"Text2", "1.1"}, {"Text3", "0.1"}}, {{"Text4", "4.274"}}},
          {std::nullopt, {{"Text1", "12560.99"}}, {{"Text4", "3.699998"}}}}},
        {"natural gas writes 0 into Δα and leaves it out", kFlueGas, "Command2",
         {{naturalGas, {{"Text1", "34542"}, {"Text2", "1.1"}, {"Text3", "0.5"}},
           {{"Text3", "0"}, {"Text4", "11.04966"}, {"Text6", "11049.66"}}},
          {naturalGas, {{"Text1", "34543"}, {"Text3", "abc"}}, {{"Text3", "0"}, {"Text4", "11.0487"}}}}},
        {"Q emptied after a press keeps its value", kFlueGas, "Command2",
         {{solid, worked, workedShown}, {std::nullopt, {{"Text1", ""}}, workedShown}}},
        {"no fuel after a press shows the values held", kFlueGas, "Command2",
         {{solid, worked, workedShown}, {QStringLiteral("煤"), {{"Text1", "1"}}, workedShown, kChooseFuel}}},
        {"Δα zeroed by natural gas serves the next fuel", kFlueGas, "Command2",
         {{naturalGas, {{"Text1", "34542"}, {"Text2", "1.1"}, {"Text3", "0.5"}}, {{"Text4", "11.04966"}}},
          {solid, {{"Text1", "4187"}, {"Text2", "1.4"}}, {{"Text3", "0"}, {"Text4", "3.144"}}}}},
        {"Vy × 1000 alone beyond the single range", kFlueGas, "Command2",
         {{naturalGas, {{"Text1", "0"}, {"Text2", "3e38"}}, {{"Text4", "6E+36"}, {"Text6", kInfiniteText.toString()}}}}},
        {"Vy beyond the single range", kFlueGas, "Command2",
         {{solid, {{"Text1", "3e38"}, {"Text2", "3e38"}},
           {{"Text4", kInfiniteText.toString()}, {"Text6", kInfiniteText.toString()}}}}},
    };
    for (const Case &c : cases)
        run(c);
}

// A "-" passes only as the first character; the value is computed as typed.
TEST(FlueGasWindow, AMinusSignOnlyLeadsABox)
{
    WindowDriver window(kFlueGas);
    MessageRecorder messages;
    window.type("Text1", "4-187");
    EXPECT_EQ(window.text("Text1"), "4187");
    EXPECT_EQ(messages.messages, QStringList{kNotNumericMessage.toString()});
    window.type("Text1", "-4187");
    window.typeByLabel(QStringLiteral("α0(空气过剩系数)选取："), "1.4");
    window.typeByLabel(QStringLiteral("Δα(漏风系数)选取："), "0.1");
    window.choose("Combo1", QStringLiteral("固体燃料"));
    window.press("Command2");
    EXPECT_EQ(window.text("Text4"), "0.505");
}

TEST(SmallFurnaceWindows, PressesUseEachFurnacesOwnFactors)
{
    const Boxes zeros = {{"Text3", "0"}, {"Text7", "0"}, {"Text8", "0"}, {"Text9", "0"}, {"Text10", "0"}};
    const Boxes teaRaw = {{"Text3", "205"}, {"Text7", "1011"}, {"Text8", "1049"}, {"Text9", "60"}, {"Text10", "399"}};
    const Boxes teaBriquette = {{"Text3", "65"}, {"Text7", "453"}, {"Text8", "742"}, {"Text9", "26"}, {"Text10", "182"}};
    const Case cases[] = {
        {"tea boiler, press right after opening", kTeaBoiler, "Command1", {{std::nullopt, {}, zeros}}},
        {"stove, press right after opening", kStove, "Command1", {{std::nullopt, {}, zeros}}},
        {"tea boiler, raw coal at the design amount", kTeaBoiler, "Command1", {{kRaw, {}, teaRaw}}},
        {"tea boiler, briquettes", kTeaBoiler, "Command1", {{kBriquette, {}, teaBriquette}}},
        {"stove, briquettes", kStove, "Command1",
         {{kBriquette, {}, {{"Text3", "70"}, {"Text7", "1002"}, {"Text8", "709"}, {"Text9", "30"}, {"Text10", "145"}}}}},
        {"stove, raw coal typed is no item", kStove, "Command1", {{kRaw, {}, zeros}}},
        {"tea boiler, 2.5 t", kTeaBoiler, "Command1", {{kRaw, {{"Text2", "2.5"}}, {{"Text9", "1.5"}, {"Text3", "5.125"}}}}},
        {"choosing another coal waits for the press", kTeaBoiler, "Command1",
         {{kRaw, {}, teaRaw}, {kBriquette, {}, teaBriquette}}},
        {"an amount with a unit keeps the last results", kTeaBoiler, "Command1",
         {{kRaw, {}, teaRaw}, {kBriquette, {{"Text2", "100t"}}, teaRaw}}},
        {"no coal after a press", kTeaBoiler, "Command1", {{kRaw, {}, teaRaw}, {QString(), {}, zeros}}},
        {"negative amount", kTeaBoiler, "Command1", {{kRaw, {{"Text2", "-100"}}, {{"Text3", "-205"}}}}},
        {"a product beyond the single range", kTeaBoiler, "Command1",
         {{kRaw, {{"Text2", "1e300"}}, {{"Text9", kInfiniteText.toString()}}}}},
        {"briquettes typed with ordinary blanks", kTeaBoiler, "Command1",
         {{QStringLiteral("型    煤"), {}, zeros}}},
    };
    for (const Case &c : cases)
        run(c);
}

// The lists hold their coals once, also after the window was closed and
// opened again; the stove offers briquettes only.
TEST(SmallFurnaceWindows, ListsOfferTheirOwnCoals)
{
    const std::pair<QString, QStringList> lists[] = {{kTeaBoiler, {kRaw, kBriquette}}, {kStove, {kBriquette}}};
    for (const auto &[name, items] : lists) {
        WindowDriver window(name);
        window.reopen();
        auto *list = window.find<QComboBox>("Combo1");
        ASSERT_NE(list, nullptr);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        EXPECT_EQ(shown, items) << name.toStdString();
    }
}

} // namespace
