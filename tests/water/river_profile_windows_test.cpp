// The four profile windows driven as a user would: from the boxes to the
// report, the mixing window's check box, the boxes that empty the Frolov
// window's bar.
#include "window_driver.h"

#include <QCheckBox>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

TEST(RiverProfileWindows, ReportsFromTheBoxes)
{
    const struct {
        const char *name, *caption;
        const char *label, *typed;  // one box typed into by its label, if any
        int headings, lines;
        const char *first;
    } cases[] = {
        {"完全混合模式_河15", "河流模式1,5", nullptr, nullptr, 3, 20, "100    1.7803    9.1712"},
        {"完全混合模式_河15", "河流模式1,5", "预测点距排放口最近距离Rmin（M）：", "3000", 3, 0, nullptr},
        {"托马斯模式_河9", "托马斯模式_河9", "河水流速u（m/s）：", "0", 2, 20, "100    1.7727    ."},
        {"弗罗模式_河37", "弗罗模式_河37", "降解系数K1（1/d）：", "0.0", 2, 20, "10    85.6270"},
        {"约_新模式1", "约_新模式（海湾五）", nullptr, nullptr, 3, 10, "100    27.2623"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WindowDriver w(QString::fromUtf8(c.name));
        ASSERT_NE(w.window(), nullptr);
        EXPECT_EQ(w.window()->windowTitle().toStdString(), c.caption);
        EXPECT_TRUE(w.text("RichTextBox1").isEmpty());
        if (c.label)
            w.typeByLabel(QString::fromUtf8(c.label), QString::fromUtf8(c.typed));
        w.press("Command1");
        const QStringList lines = w.text("RichTextBox1").split(u'\r');
        ASSERT_EQ(lines.size(), c.headings + c.lines + 1);
        EXPECT_TRUE(lines.last().isEmpty());
        if (c.first) {
            EXPECT_EQ(lines[c.headings].toStdString(), c.first);
        }
    }
}

// The bar's share of its range as shown, or -1 while it is hidden.
double barShare(WindowDriver &w)
{
    auto *bar = w.find<QProgressBar>(QStringLiteral("ProgressBar1"));
    if (!bar || bar->isHidden())
        return -1;
    return double(bar->value() - bar->minimum()) / (bar->maximum() - bar->minimum());
}

void expectEnabled(WindowDriver &w, const QStringList &boxes, bool enabled)
{
    for (const QString &box : boxes)
        EXPECT_EQ(w.find(box)->isEnabled(), enabled) << box.toStdString();
}

TEST(RiverProfileWindows, MixingCheckBoxSwitchesTheModel)
{
    const QStringList oxygenSagBoxes{"Text7", "Text6", "Text10", "Text11", "Text13", "Text9", "Text5", "Text8"};
    WindowDriver w(QStringLiteral("完全混合模式_河15"));
    EXPECT_EQ(barShare(w), -1);
    w.press("Command1");
    const QString oxygenSag = w.text("RichTextBox1");
    EXPECT_EQ(barShare(w), 1);

    // Ticked: the S-P boxes grey out, the bar empties, the report stays.
    w.press("Check1");
    expectEnabled(w, oxygenSagBoxes, false);
    expectEnabled(w, {"Text3", "Text4", "Text12", "Text2"}, true);
    EXPECT_EQ(barShare(w), 0);
    EXPECT_EQ(w.text("RichTextBox1"), oxygenSag);
    w.type("Text12", "1.0");
    w.press("Command1");
    EXPECT_TRUE(w.text("RichTextBox1").endsWith(QStringLiteral("污水流量 Qp ：1.0 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=9.1818mg/L")));
    EXPECT_EQ(barShare(w), 1);

    // Cleared again: the S-P model is back.
    w.press("Check1");
    expectEnabled(w, oxygenSagBoxes, true);
    EXPECT_FALSE(w.find<QCheckBox>(QStringLiteral("Check1"))->isChecked());
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), oxygenSag);  // Qp typed 1.0 is the same single
}

// Closing discards what the controls show: a reopened window has the empty
// report and the hidden bar of its first opening, whatever the last press
// (or the check box) left.
TEST(RiverProfileWindows, ReopeningShowsTheFirstOpening)
{
    for (const char *name : {"完全混合模式_河15", "托马斯模式_河9", "弗罗模式_河37", "约_新模式1"}) {
        SCOPED_TRACE(name);
        WindowDriver w(QString::fromUtf8(name));
        const double firstBar = barShare(w);
        EXPECT_EQ(firstBar, -1);
        w.press("Command1");
        ASSERT_EQ(barShare(w), 1);
        w.reopen();
        EXPECT_TRUE(w.text("RichTextBox1").isEmpty());
        EXPECT_EQ(barShare(w), firstBar);
        auto *bar = w.find<QProgressBar>(QStringLiteral("ProgressBar1"));
        EXPECT_EQ(bar->value(), bar->minimum());
    }
    WindowDriver mixing(QStringLiteral("完全混合模式_河15"));
    mixing.press("Check1");
    EXPECT_EQ(barShare(mixing), 0);
    mixing.reopen();
    EXPECT_EQ(barShare(mixing), -1);
    EXPECT_TRUE(mixing.find("Text7")->isEnabled());
}

TEST(RiverProfileWindows, FrolovBarEmptiesOnRangeAndRateBoxes)
{
    const struct { const char *box; bool empties; } cases[] = {
        {"Text5", true}, {"Text6", true}, {"Text8", true}, {"Text9", true}, {"Text1", false}, {"Text13", false},
    };
    for (const auto &c : cases) {
        WindowDriver w(QStringLiteral("弗罗模式_河37"));
        w.press("Command1");
        const QString report = w.text("RichTextBox1");
        w.type(QString::fromUtf8(c.box), QStringLiteral("5"));
        EXPECT_EQ(barShare(w), c.empties ? 0 : 1) << c.box;
        EXPECT_EQ(w.text("RichTextBox1"), report) << c.box;
    }
}

} // namespace
