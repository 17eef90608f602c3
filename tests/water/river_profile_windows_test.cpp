// The four profile windows opened and driven as a user would: design texts
// to report, the model switch of the mixing window by its check box, and the
// boxes whose typing empties the Frolov window's bar.
#include "common/form.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

struct Edit
{
    const char *box;  // control name, or a label when it ends with "："
    const char *text;
};

void apply(WindowDriver &w, const std::vector<Edit> &edits)
{
    for (const Edit &e : edits) {
        const QString box = QString::fromUtf8(e.box);
        if (box.endsWith(u'：'))
            w.typeByLabel(box, QString::fromUtf8(e.text));
        else
            w.type(box, QString::fromUtf8(e.text));
    }
}

TEST(RiverProfileWindows, ReportsFromTheBoxes)
{
    const struct {
        const char *name;
        const char *caption;
        std::vector<Edit> edits;
        int headings, lines;
        const char *first, *last;
    } cases[] = {
        {"完全混合模式_河15", "河流模式1,5", {}, 3, 20, "100    1.7803    9.1712", nullptr},
        {"完全混合模式_河15", "河流模式1,5", {{"预测点距排放口最近距离Rmin（M）：", "3000"}}, 3, 0, nullptr, nullptr},
        {"托马斯模式_河9", "托马斯模式_河9", {}, 2, 20, "100    1.7803    9.168", nullptr},
        {"托马斯模式_河9", "托马斯模式_河9", {{"Text7", "0"}}, 2, 20, "100    1.7727    .", "2000    1.7727    ."},
        {"弗罗模式_河37", "弗罗模式_河37", {}, 2, 20, "10    85.5775", "390    58.4799"},
        {"弗罗模式_河37", "弗罗模式_河37", {{"降解系数K1（1/d）：", "0.0"}}, 2, 20, "10    85.6270", nullptr},
        {"约_新模式1", "约_新模式（海湾五）", {}, 3, 10, "100    27.2623", "1000    3.133"},
        {"约_新模式1", "约_新模式（海湾五）", {{"Text5", "0"}, {"Text9", "100"}}, 3, 2, "0    0", "100    27.2623"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WindowDriver w(QString::fromUtf8(c.name));
        ASSERT_NE(w.window(), nullptr);
        EXPECT_EQ(w.window()->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(w.text("RichTextBox1"), QString());
        apply(w, c.edits);
        w.press("Command1");
        const QString report = w.text("RichTextBox1");
        EXPECT_TRUE(report.endsWith(u'\r'));
        EXPECT_FALSE(report.contains(u'\n'));
        const QStringList lines = report.split(u'\r');
        ASSERT_EQ(lines.size(), c.headings + c.lines + 1);
        if (c.first) {
            EXPECT_EQ(lines[c.headings], QString::fromUtf8(c.first));
        }
        if (c.last) {
            EXPECT_EQ(lines[lines.size() - 2], QString::fromUtf8(c.last));
        }
    }
}

// The bar's share of its range as the widget shows it, or -1 when hidden.
double barShare(WindowDriver &w)
{
    auto *bar = w.find<QProgressBar>(QStringLiteral("ProgressBar1"));
    if (!bar || bar->isHidden())
        return -1;
    return double(bar->value() - bar->minimum()) / (bar->maximum() - bar->minimum());
}

const QStringList kOxygenSagBoxes{"Text7", "Text6", "Text10", "Text11", "Text13", "Text9", "Text5", "Text8"};
const QStringList kSharedBoxes{"Text3", "Text4", "Text12", "Text2"};

void expectEnabled(WindowDriver &w, const QStringList &boxes, bool enabled)
{
    for (const QString &box : boxes)
        EXPECT_EQ(w.find(box)->isEnabled(), enabled) << box.toStdString();
}

TEST(RiverProfileWindows, MixingCheckBoxSwitchesTheModel)
{
    WindowDriver w(QStringLiteral("完全混合模式_河15"));
    EXPECT_EQ(barShare(w), -1);
    expectEnabled(w, kOxygenSagBoxes, true);
    w.press("Command1");
    const QString oxygenSag = w.text("RichTextBox1");
    EXPECT_EQ(barShare(w), 1);

    // Ticked: the S-P boxes grey out, the bar empties, the report stays.
    w.press("Check1");
    expectEnabled(w, kOxygenSagBoxes, false);
    expectEnabled(w, kSharedBoxes, true);
    EXPECT_EQ(barShare(w), 0);
    EXPECT_EQ(w.text("RichTextBox1"), oxygenSag);

    w.type("Text12", "1.0");
    w.press("Command1");
    const QStringList lines = w.text("RichTextBox1").split(u'\r');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[4], QStringLiteral("污水流量 Qp ：1.0 m^3/s"));
    EXPECT_EQ(lines[7], QStringLiteral("C=9.1818mg/L"));
    EXPECT_EQ(barShare(w), 1);

    // Cleared again: the S-P model is back.
    w.press("Check1");
    expectEnabled(w, kOxygenSagBoxes, true);
    EXPECT_FALSE(w.find<QCheckBox>(QStringLiteral("Check1"))->isChecked());
    w.press("Command1");
    EXPECT_EQ(w.text("RichTextBox1"), oxygenSag);
}

TEST(RiverProfileWindows, FrolovBarEmptiesOnRangeAndRateBoxes)
{
    const struct { const char *box; bool empties; } cases[] = {
        {"Text5", true}, {"Text6", true}, {"Text8", true}, {"Text9", true},
        {"Text1", false}, {"Text4", false}, {"Text13", false},
    };
    for (const auto &c : cases) {
        WindowDriver w(QStringLiteral("弗罗模式_河37"));
        w.press("Command1");
        ASSERT_EQ(barShare(w), 1) << c.box;
        const QString report = w.text("RichTextBox1");
        w.type(QString::fromUtf8(c.box), QStringLiteral("5"));
        EXPECT_EQ(barShare(w), c.empties ? 0 : 1) << c.box;
        EXPECT_EQ(w.text("RichTextBox1"), report) << c.box;
    }
}

} // namespace
