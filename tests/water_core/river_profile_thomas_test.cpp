// 托马斯模式_河9 without its window.
#include "common/number_text.h"
#include "river_profile_support.h"
#include "water/river_profile_thomas.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace corvalen;
using corvalen::test::profileLine;
using corvalen::test::reportLines;

namespace {

ThomasInputs design()
{
    return ThomasInputs{.qp = "1", .cp = "100", .qh = "10", .ch = "0.1", .u = "1", .dp = "4.5", .dh = "1.5",
                        .k1 = "1", .k2 = "1.5", .k3 = "0.3", .range = {"100", "2000", "100"}};
}

QStringList lines(const ThomasInputs &in)
{
    ProgressState bar;
    return reportLines(thomasReport(in, bar));
}

const QStringList kHeadings{QStringLiteral("托马斯模式_河9计算结果:"), QStringLiteral("x(m)   D(mg/L)    C(mg/L)")};

TEST(ThomasModel, Design)
{
    const QStringList report = lines(design());
    ASSERT_EQ(report.size(), 2 + 20);
    EXPECT_EQ(report.mid(0, 2), kHeadings);
    // 9.1680 loses its trailing zero under "####.####".
    EXPECT_EQ(report[2], QStringLiteral("100    1.7803    9.168"));
    EXPECT_TRUE(report.last().startsWith(QStringLiteral("2000    ")));
}

TEST(ThomasModel, Failures)
{
    const double d0 = double((4.5f * 1 + 1.5f * 10) / 11.0f);
    const struct {
        const char *name;
        ThomasInputs in;
        std::function<QString(double)> deficit;
        std::function<QString(double)> concentration;  // null: not checked
    } cases[] = {
        {"K2 = K1 + K3: A fails and counts as 0",
         [] { ThomasInputs in = design(); in.k3 = "0.5"; return in; }(),
         [&](double x) { return ApplyDisplayPattern(d0 * std::exp(-1.5 * x / 86400), u"####.####"); }, nullptr},
        {"no velocity: t is 0 and C fails",
         [] { ThomasInputs in = design(); in.u = "0"; return in; }(),
         [](double) { return QStringLiteral("1.7727"); }, [](double) { return QStringLiteral("."); }},
        {"empty velocity box", [] { ThomasInputs in = design(); in.u = ""; return in; }(),
         [](double) { return QStringLiteral("1.7727"); }, [](double) { return QStringLiteral("."); }},
        {"no flow", [] { ThomasInputs in = design(); in.qp = "0"; in.qh = "0"; return in; }(),
         [](double) { return QStringLiteral("."); }, [](double) { return QStringLiteral("."); }},
    };
    for (const auto &c : cases) {
        const QStringList report = lines(c.in);
        ASSERT_EQ(report.size(), 2 + 20) << c.name;
        for (int i = 0; i < 20; ++i) {
            const double x = 100.0 * (i + 1);
            const QStringList fields = report[2 + i].split(QLatin1String("    "));
            ASSERT_EQ(fields.size(), 3) << c.name;
            EXPECT_EQ(fields[0], DoubleText(x)) << c.name;
            EXPECT_EQ(fields[1], c.deficit(x)) << c.name << " at " << x;
            if (c.concentration) {
                EXPECT_EQ(fields[2], c.concentration(x)) << c.name << " at " << x;
            }
        }
    }
}

TEST(ThomasModel, StartBeyondTheEnd)
{
    ThomasInputs in = design();
    in.range.rmin = "2100";
    EXPECT_EQ(lines(in), kHeadings);
}

} // namespace
