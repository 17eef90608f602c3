// The four exhaust-gas windows, driven through their boxes and their button
// "计算". Each case starts from a window first opened in the run (window-level
// values zero) and presses once per row.
#include "common/forms/input_helpers.h"
#include "common/numbers/number_text.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

using namespace corvalen;

namespace {

const QString kLime = QStringLiteral("石灰窑废气产生量");
const QString kDolomite = QStringLiteral("白云石窑废气量计算");
const QString kDrying = QStringLiteral("干燥废气计算");
const QString kEvaporation = QStringLiteral("蒸发废气排放量");

using Boxes = std::map<QString, QString>;  // box name to the text set before the press

struct Press
{
    Boxes boxes;
    QString shown;  // Text6 after the press
};

struct Case
{
    const char *name;
    QString window;
    std::vector<Press> presses;
};

QString inf() { return kInfiniteText.toString(); }
QString minusInf() { return kNegativeInfiniteText.toString(); }
QString nan() { return kUndefinedText.toString(); }

// Worked inputs of each window.
const Boxes kLimeInputs = {{"Text1", "100"}, {"Text2", "150"}, {"Text3", "80"}, {"Text4", "20"}, {"Text5", "28"}};
const Boxes kDolomiteInputs = {{"Text1", "100"}, {"Text2", "150"}, {"Text3", "80"},
                               {"Text4", "20"}, {"Text5", "28"}, {"Text8", "30"}};
const Boxes kDryingInputs = {{"Text1", "100"}, {"Text2", "60"}, {"Text3", "10"}};
const Boxes kEvaporationInputs = {{"Text1", "100"}, {"Text2", "10"}, {"Text3", "50"}};

Boxes with(Boxes boxes, const Boxes &changes)
{
    for (const auto &[box, text] : changes)
        boxes[box] = text;
    return boxes;
}

QWidget *openFresh(const QString &name)
{
    ToolRegistry::global().resetInstances();
    ShowToolWindow(name);
    return ToolRegistry::global().existingInstance(name)->widget();
}

QString press(QWidget *window, const Boxes &boxes)
{
    for (const auto &[box, text] : boxes) {
        auto *edit = window->findChild<QLineEdit *>(box);
        EXPECT_NE(edit, nullptr) << box.toStdString();
        if (edit)
            edit->setText(text);
    }
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    return window->findChild<QLineEdit *>(QStringLiteral("Text6"))->text();
}

TEST(ExhaustGasWindows, WorkedExamplesAndWhatFailedStepsLeave)
{
    const Case cases[] = {
        {"lime, no recovery", kLime, {{with(kLimeInputs, {{"Text4", "0"}}), "222828.6"}}},
        {"lime, 20 % recovered", kLime, {{kLimeInputs, "210350.2"}}},
        {"dolomite", kDolomite, {{kDolomiteInputs, "162828.6"}}},
        {"drying", kDrying, {{kDryingInputs, "55.55556"}}},
        {"evaporation", kEvaporation, {{kEvaporationInputs, "80"}}},

        {"lime, all empty", kLime, {{{}, "0"}}},
        {"dolomite, all empty", kDolomite, {{{}, "0"}}},
        {"drying, all empty", kDrying, {{{}, "0"}}},
        {"evaporation, all empty", kEvaporation, {{{}, "0"}}},

        {"drying, only G: loss factor 1 - 0", kDrying, {{{{"Text1", "100"}}, "100"}}},
        {"lime, no fuel: its term counts as 0", kLime, {{with(kLimeInputs, {{"Text2", ""}}), "134857.1"}}},
        {"lime, no phi: 0", kLime, {{with(kLimeInputs, {{"Text5", ""}}), "0"}}},
        {"lime, no recovery rate: factor still 0", kLime, {{with(kLimeInputs, {{"Text4", ""}}), "0"}}},
        {"dolomite, Q beyond the single range", kDolomite, {{with(kDolomiteInputs, {{"Text1", "1e39"}}), "0"}}},

        {"lime, Q emptied", kLime, {{kLimeInputs, "210350.2"}, {{{"Text1", ""}}, "210350.2"}}},
        {"dolomite, Q emptied", kDolomite, {{kDolomiteInputs, "162828.6"}, {{{"Text1", ""}}, "162828.6"}}},
        {"drying, G emptied", kDrying, {{kDryingInputs, "55.55556"}, {{{"Text1", ""}}, "55.55556"}}},
        {"evaporation, F emptied", kEvaporation, {{kEvaporationInputs, "80"}, {{{"Text1", ""}}, "80"}}},
        {"lime, phi emptied and Q changed: the kept gas per tonne", kLime,
         {{kLimeInputs, "210350.2"}, {{{"Text5", ""}, {"Text1", "250"}}, "525875.4"}}},
        {"dolomite, a term's box emptied keeps the term", kDolomite,
         {{kDolomiteInputs, "162828.6"}, {{{"Text8", "abc"}, {"Text1", "200"}}, "325657.2"}}},

        {"lime, phi 0", kLime, {{with(kLimeInputs, {{"Text5", "0"}}), inf()}, {kLimeInputs, "210350.2"}}},
        {"lime, phi 0 and Q 0", kLime, {{with(kLimeInputs, {{"Text5", "0"}, {"Text1", "0"}}), nan()}}},
        {"dolomite, phi 0", kDolomite, {{with(kDolomiteInputs, {{"Text5", "0"}}), inf()}, {kDolomiteInputs, "162828.6"}}},
        {"dolomite, phi 0 with nothing before it", kDolomite,
         {{with(kDolomiteInputs, {{"Text5", "0"}, {"Text1", "0"}}), nan()}}},
        {"drying, w2 100", kDrying, {{with(kDryingInputs, {{"Text3", "100"}}), minusInf()}, {kDryingInputs, "55.55556"}}},
        {"drying, w1 and w2 100", kDrying, {{with(kDryingInputs, {{"Text2", "100"}, {"Text3", "100"}}), nan()}}},
        {"evaporation, x1 0", kEvaporation, {{with(kEvaporationInputs, {{"Text3", "0"}}), minusInf()}}},
        {"evaporation, x1 0, F x0 below 0", kEvaporation,
         {{with(kEvaporationInputs, {{"Text3", "0"}, {"Text2", "-10"}}), inf()}}},
        {"evaporation, x1 0, F x0 0", kEvaporation, {{with(kEvaporationInputs, {{"Text3", "0"}, {"Text2", "0"}}), nan()}}},
        {"evaporation, huge F overflows the single", kEvaporation,
         {{with(kEvaporationInputs, {{"Text1", "1e300"}}), inf()}}},
    };
    for (const Case &c : cases) {
        QWidget *window = openFresh(c.window);
        ASSERT_NE(window, nullptr) << c.name;
        for (const Press &p : c.presses)
            EXPECT_EQ(press(window, p.boxes), p.shown) << c.name;
    }
    ToolRegistry::global().resetInstances();
}

// Every input box starts empty, judges keys by its own text alone and is
// named by its label; the result box starts with one blank.
TEST(ExhaustGasWindows, InputBoxesAreFilteredEachByItsOwnText)
{
    const std::pair<QString, QStringList> windows[] = {
        {kLime, {"Text1", "Text2", "Text3", "Text4", "Text5"}},
        {kDolomite, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text8"}},
        {kDrying, {"Text1", "Text2", "Text3"}},
        {kEvaporation, {"Text1", "Text2", "Text3"}},
    };
    for (const auto &[name, boxes] : windows) {
        MessageRecorder messages;
        QWidget *window = openFresh(name);
        EXPECT_EQ(window->findChild<QLineEdit *>("Text6")->text(), QStringLiteral(" "));
        EXPECT_EQ(window->findChildren<QLineEdit *>().size(), boxes.size() + 1);
        window->findChild<QLineEdit *>(boxes.first())->setText(QStringLiteral("1.5"));
        for (const QString &boxName : boxes) {
            auto *box = window->findChild<QLineEdit *>(boxName);
            ASSERT_NE(box, nullptr) << boxName.toStdString();
            if (boxName != boxes.first()) {
                EXPECT_TRUE(box->text().isEmpty());
                QTest::keyClicks(box, "2.5");
                EXPECT_EQ(box->text(), QStringLiteral("2.5"));
            }
            QTest::keyClick(box, '.');
            EXPECT_EQ(messages.messages, QStringList{kSecondPointMessage.toString()}) << boxName.toStdString();
            messages.messages.clear();
            const auto labels = window->findChildren<QLabel *>();
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [box](QLabel *l) { return l->buddy() == box; }));
        }
    }
    ToolRegistry::global().resetInstances();
}

TEST(ExhaustGasWindows, ValuesOutliveACloseWhileTheBoxesStartAgainEmpty)
{
    QWidget *window = openFresh(kDrying);
    EXPECT_EQ(press(window, kDryingInputs), QStringLiteral("55.55556"));
    ToolRegistry::global().existingInstance(kDrying)->close();
    ShowToolWindow(kDrying);
    window = ToolRegistry::global().existingInstance(kDrying)->widget();
    EXPECT_EQ(window->findChild<QLineEdit *>("Text1")->text(), QString());
    EXPECT_EQ(window->findChild<QLineEdit *>("Text6")->text(), QStringLiteral(" "));
    EXPECT_EQ(press(window, {{"Text1", "10"}}), QStringLiteral("5.555556"));
    ToolRegistry::global().resetInstances();
}

} // namespace
