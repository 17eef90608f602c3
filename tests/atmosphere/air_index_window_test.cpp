// The air pollution index window: results on "计算结果" only, the bars and
// boxes following each other, the red of a dragged value, the table window.
#include "common/forms/tool_registry.h"
#include "tables/qstring_print.h"
#include "window_driver.h"

#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("空气污染指数计算1");

// A drag of the thumb to `position` and its release.
void drag(WindowDriver &w, const char *bar, int position)
{
    auto *scroll = w.find<QScrollBar>(bar);
    scroll->setSliderDown(true);
    scroll->setSliderPosition(position);
    scroll->setSliderDown(false);
}

int barAt(WindowDriver &w, const char *bar)
{
    return w.find<QScrollBar>(bar)->value();
}

QColor textColor(WindowDriver &w, const char *box)
{
    return w.find<QLineEdit>(box)->palette().color(QPalette::Text);
}

TEST(AirIndexWindow, ResultsOfAPress)
{
    const struct {
        const char *name;
        const char *so2, *no2, *pm10;  // nullptr: the design-time text
        const char *results[6];        // Text4 to Text9
    } cases[] = {
        {"design-time inputs", nullptr, nullptr, nullptr, {"1", "0", "1", "1", "优", "SO2"}},
        {"three of 100", "0.15", "0.12", "0.15", {"100", "100", "100", "100", "良", "NO2"}},
        {"SO2 leads", "0.2", "0.05", "0.1", {"107", "31", "75", "107", "轻微污染", "SO2"}},
        {"upper bands", "1.0", "0.3", "0.2", {"225", "207", "125", "225", "中度污染", "SO2"}},
        {"empty NO2", "0.2", "", "0.1", {"107", "0", "75", "107", "轻微污染", "SO2"}},
        {"negative SO2", "-0.01", "0.001", "0.001", {"-10", "0", "1", "1", "优", "PM10"}},
        {"PM10 beyond the scale", "0.001", "0.001", "0.7", {"1", "0", "500", "500", "重污染", "PM10"}},
        {"SO2 beyond the scale", "3", "0.01", "0.01", {"500", "6", "10", "500", "重污染", "SO2"}},
        {"nothing a number", "abc", ".", "-", {"0", "0", "0", "0", "优", "NO2"}},
        {"NO2 ties PM10 above SO2", "0.05", "0.12", "0.15", {"50", "100", "100", "100", "良", "NO2"}},
        {"SO2 ties PM10 above NO2", "0.15", "0.08", "0.15", {"100", "50", "100", "100", "良", "SO2"}},
        {"PM10 above SO2 above NO2", "0.15", "0.08", "0.45", {"100", "50", "337", "337", "重污染", "PM10"}},
    };
    for (const auto &c : cases) {
        WindowDriver w(kWindow);
        for (const auto &[box, text] : {std::pair{"Text1", c.so2}, {"Text2", c.no2}, {"Text3", c.pm10}}) {
            if (text)
                w.set(box, QString::fromUtf8(text));
        }
        for (const char *box : {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"})
            EXPECT_EQ(w.text(box), QString()) << c.name << ": nothing before the press";
        w.press("Command1");
        const char *boxes[6] = {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(w.text(boxes[i]), QString::fromUtf8(c.results[i])) << c.name << " " << boxes[i];
    }
}

TEST(AirIndexWindow, EditsChangeNoResultUntilThePress)
{
    WindowDriver w(kWindow);
    w.press("Command1");
    w.type("Text1", "1.0");
    drag(w, "HScroll2", 400);
    EXPECT_EQ(w.text("Text4"), QStringLiteral("1"));
    EXPECT_EQ(w.text("Text7"), QStringLiteral("1"));
    w.press("Command1");
    EXPECT_EQ(w.text("Text4"), QStringLiteral("225"));
}

TEST(AirIndexWindow, TypedTextsMoveTheBar)
{
    WindowDriver w(kWindow);
    EXPECT_EQ(barAt(w, "HScroll2"), 1);
    const struct { const char *text; int bar; } steps[] = {
        {"0.94", 500},  // the top breakpoint
        {"0.95", 500},  // beyond the bar: it stays
        {"0.5", 266},
        {".", 266},     // no number
        {"", 266},
        {"0.0001", 266},  // below the bar
        {"abc", 266},
    };
    for (const auto &s : steps) {
        w.set("Text2", QString::fromUtf8(s.text));
        EXPECT_EQ(barAt(w, "HScroll2"), s.bar) << s.text;
    }
    w.type("Text3", "0.3");
    EXPECT_EQ(barAt(w, "HScroll3"), 250);
}

TEST(AirIndexWindow, DraggingWritesTheBoxInRed)
{
    WindowDriver w(kWindow);
    const QColor initial = textColor(w, "Text1");
    drag(w, "HScroll1", 500);
    EXPECT_EQ(w.text("Text1"), QStringLiteral("2.62"));
    EXPECT_EQ(barAt(w, "HScroll1"), 500);
    EXPECT_EQ(textColor(w, "Text1"), QColor(250, 0, 0));
    w.type("Text1", "0.5");
    EXPECT_EQ(textColor(w, "Text1"), QColor(250, 0, 0)) << "typing keeps the colour";

    // The text keeps two decimals and sets the bar one below; the box is not
    // written again.
    drag(w, "HScroll1", 100);
    EXPECT_EQ(w.text("Text1"), QStringLiteral(".52"));
    EXPECT_EQ(barAt(w, "HScroll1"), 99);
    EXPECT_EQ(textColor(w, "Text1"), QColor(50, 0, 0));

    drag(w, "HScroll1", 1);
    EXPECT_EQ(w.text("Text1"), QStringLiteral("."));
    EXPECT_EQ(textColor(w, "Text1"), QColor(0, 0, 0));
    drag(w, "HScroll3", 10);
    drag(w, "HScroll3", 1);
    EXPECT_EQ(w.text("Text3"), QStringLiteral(".001"));
    EXPECT_EQ(textColor(w, "Text2"), initial);

    // Arrows and track move the bar without writing the box.
    w.set("Text2", QStringLiteral("0.3"));
    w.find<QScrollBar>("HScroll2")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    w.find<QScrollBar>("HScroll2")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(w.text("Text2"), QStringLiteral("0.3"));

    w.reopen();
    EXPECT_EQ(w.text("Text1"), QStringLiteral("0.001"));
    EXPECT_EQ(barAt(w, "HScroll1"), 1);
    EXPECT_EQ(textColor(w, "Text1"), initial);
}

TEST(AirIndexWindow, SecondButtonOpensTheTable)
{
    WindowDriver w(kWindow);
    w.press("Command2");
    ToolWindow *table = ToolRegistry::global().existingInstance(QStringLiteral("空气污染指数及范围"));
    ASSERT_TRUE(table);
    EXPECT_TRUE(table->isOpen());
    EXPECT_EQ(table->widget()->windowTitle(), QStringLiteral("空气污染指数范围及相应的空气质量类别"));
}

} // namespace
