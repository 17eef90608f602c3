// 弗罗模式_河37 without its window.
#include "common/number_text.h"
#include "river_profile_support.h"
#include "water/river_profile_frolov.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace corvalen;
using corvalen::test::reportLines;

namespace {

FrolovInputs design()
{
    return FrolovInputs{.qp = "1.0", .cp = "100", .ch = "0.1", .v = "0.2", .k1 = "1", .h = "0.5",
                        .epsilon = "1", .r = "100", .n = "0.05", .qh = "10", .range = {"10", "400", "20"}};
}

FrolovInputs with(QString FrolovInputs::*field, const char *text)
{
    FrolovInputs in = design();
    in.*field = QString::fromUtf8(text);
    return in;
}

QStringList lines(const FrolovInputs &in)
{
    ProgressState bar;
    return reportLines(frolovReport(in, bar));
}

const QString kDecayHeading = QStringLiteral("河-7 弗-罗衰减模式计算结果(mg/L)：");
const QString kMixingHeading = QStringLiteral("河-3 弗-罗模式计算结果(mg/L)：");

TEST(FrolovModel, WorkedExamples)
{
    const struct { const char *name; FrolovInputs in; QString heading; const char *first, *last; } cases[] = {
        {"with decay", design(), kDecayHeading, "10    85.5775", "390    58.4799"},
        {"without decay", with(&FrolovInputs::k1, "0"), kMixingHeading, "10    85.6270", nullptr},
        {"K1 written 0.0", with(&FrolovInputs::k1, "0.0"), kMixingHeading, "10    85.6270", nullptr},
        {"empty K1", with(&FrolovInputs::k1, ""), kMixingHeading, "10    85.6270", nullptr},
    };
    for (const auto &c : cases) {
        const QStringList report = lines(c.in);
        ASSERT_EQ(report.size(), 2 + 20) << c.name;
        EXPECT_EQ(report[0], c.heading) << c.name;
        EXPECT_EQ(report[1], QStringLiteral("x(i)     c(i)")) << c.name;
        EXPECT_EQ(report[2], QString::fromUtf8(c.first)) << c.name;
        if (c.last) {
            EXPECT_EQ(report.last(), QString::fromUtf8(c.last)) << c.name;
        }
    }
}

TEST(FrolovModel, Failures)
{
    const struct { const char *name; FrolovInputs in; std::function<QString(double)> value; } cases[] = {
        {"no hydraulic radius, with decay", with(&FrolovInputs::r, "0"),
         [](double x) { return ApplyDisplayPattern(100 * std::exp(-x / (86400 * double(0.2f))), u"####0.0000"); }},
        {"no hydraulic radius, no decay", [] { FrolovInputs in = with(&FrolovInputs::r, ""); in.k1 = "0"; return in; }(),
         [](double) { return QStringLiteral("100.0000"); }},
        {"no wastewater flow", with(&FrolovInputs::qp, "0"), [](double) { return QStringLiteral("0.0000"); }},
        {"empty wastewater flow", with(&FrolovInputs::qp, ""), [](double) { return QStringLiteral("0.0000"); }},
        {"still river with decay", with(&FrolovInputs::v, "0"), [](double) { return QStringLiteral("0.0000"); }},
    };
    for (const auto &c : cases) {
        const QStringList report = lines(c.in);
        ASSERT_EQ(report.size(), 2 + 20) << c.name;
        for (int i = 0; i < 20; ++i) {
            const double x = 10.0 + 20.0 * i;
            EXPECT_EQ(report[2 + i], DoubleText(x) + QLatin1String("    ") + c.value(x)) << c.name << " at " << x;
        }
    }
}

// The cube root of a negative distance has no real value: β keeps its value
// of the previous distance, 0 at the first (then N = (Qp + Qh)/Qp = 11).
TEST(FrolovModel, NegativeDistances)
{
    FrolovInputs in = with(&FrolovInputs::k1, "0");
    in.range = {"10", "-10", "-20"};
    EXPECT_EQ(lines(in).mid(2), (QStringList{"10    85.6270", "-10    85.6270"}));
    in.range = {"-10", "10", "20"};
    EXPECT_EQ(lines(in).mid(2), (QStringList{"-10    9.1818", "10    85.6270"}));
}

} // namespace
