// 约_新模式1 without its window.
#include "river_profile_support.h"
#include "water/river_profile_bay.h"

#include <gtest/gtest.h>

using namespace corvalen;
using corvalen::test::reportLines;

namespace {

BayInputs design()
{
    return BayInputs{.qp = "1.0", .cp = "100", .mv = "0.005", .angle = "3.1415926", .ch = "0", .depth = "2",
                     .range = {"100", "1000", "100"}};
}

BayInputs with(QString BayInputs::*field, const char *text)
{
    BayInputs in = design();
    in.*field = QString::fromUtf8(text);
    return in;
}

QStringList lines(const BayInputs &in)
{
    ProgressState bar;
    return reportLines(bayReport(in, bar));
}

const QStringList kHeadings{QStringLiteral("海湾约 - 新模式计算结果:"),
                            QStringLiteral("计算点排放口径向距离r(i)和该处浓度c(i)如下:"),
                            QStringLiteral("r(i)     c(i)")};

TEST(BayModel, Design)
{
    const QStringList report = lines(design());
    ASSERT_EQ(report.size(), 3 + 10);
    EXPECT_EQ(report.mid(0, 3), kHeadings);
    EXPECT_EQ(report[3], QStringLiteral("100    27.2623"));
    // 3.1330 read back as a number loses its trailing zero.
    EXPECT_EQ(report.last(), QStringLiteral("1000    3.133"));
}

TEST(BayModel, Failures)
{
    BayInputs fromZero = design();
    fromZero.range.rmin = "0";
    BayInputs fromZeroAfter = design();
    fromZeroAfter.range = {"100", "0", "-100"};
    const struct { const char *name; BayInputs in; QStringList expected; } cases[] = {
        {"series from 0: the first line keeps 0", fromZero, {"0    0", "100    27.2623"}},
        {"0 after 100 keeps the value at 100", fromZeroAfter, {"100    27.2623", "0    27.2623"}},
        {"no angle", with(&BayInputs::angle, "0"), {"100    0", "200    0"}},
        {"empty depth", with(&BayInputs::depth, ""), {"100    0", "200    0"}},
        {"no mixing velocity", with(&BayInputs::mv, "0"), {"100    0", "200    0"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lines(c.in).mid(3, 2), c.expected) << c.name;
}

TEST(BayModel, DistancesNoNumbers)
{
    EXPECT_EQ(lines([] { BayInputs in = design(); in.range.step = ""; return in; }()), kHeadings);
}

} // namespace
