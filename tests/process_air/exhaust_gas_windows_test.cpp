// The four exhaust-gas windows, driven through their boxes and their button
// "计算". Each case starts from a window first opened in the run (window-level
// values zero) and presses once per row.
#include "common/number_text.h"
#include "common/tool_registry.h"
#include "message_recorder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
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

TEST(ExhaustGasWindows, DesignTextsAndFilteredBoxes)
{
    const struct { QString window; QStringList boxes; QString title; QString unit; } designs[] = {
        {kLime, {"Text1", "Text2", "Text3", "Text4", "Text5"}, "石灰窑废气量的计算", "标立方米"},
        {kDolomite, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text8"}, "白云石窑废气量的计算", "标立方米"},
        {kDrying, {"Text1", "Text2", "Text3"}, "干燥废气的计算", ""},
        {kEvaporation, {"Text1", "Text2", "Text3"}, "蒸发废气的计算", ""},
    };
    for (const auto &d : designs) {
        MessageRecorder messages;
        QWidget *window = openFresh(d.window);
        EXPECT_EQ(window->windowTitle(), d.window);
        EXPECT_EQ(window->findChild<QLabel *>("Label1")->text(), d.title);
        auto *unit = window->findChild<QLabel *>("Label4");
        EXPECT_EQ(unit ? unit->text() : QString(), d.unit);
        EXPECT_EQ(window->findChild<QLineEdit *>("Text6")->text(), QStringLiteral(" "));
        EXPECT_TRUE(window->findChild<QPlainTextEdit *>("Text7")->toPlainText().startsWith(QStringLiteral("计算依据：")));
        EXPECT_EQ(window->findChildren<QLineEdit *>().size(), d.boxes.size() + 1);
        // Every input box is empty, judges keys by its own text and is
        // named by its label.
        window->findChild<QLineEdit *>(d.boxes.first())->setText(QStringLiteral("1.5"));
        for (const QString &name : d.boxes) {
            auto *box = window->findChild<QLineEdit *>(name);
            ASSERT_NE(box, nullptr) << name.toStdString();
            if (name != d.boxes.first()) {
                EXPECT_TRUE(box->text().isEmpty());
                QTest::keyClicks(box, "2.5");
                EXPECT_EQ(box->text(), QStringLiteral("2.5"));
            }
            QTest::keyClick(box, '.');
            EXPECT_EQ(messages.messages.size(), 1) << name.toStdString();
            messages.messages.clear();
            bool labelled = false;
            for (QLabel *label : window->findChildren<QLabel *>())
                labelled = labelled || label->buddy() == box;
            EXPECT_TRUE(labelled) << name.toStdString();
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
