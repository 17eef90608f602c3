// 完全混合模式_河15 without its window: complete mixing and the S-P profile.
#include "common/number_text.h"
#include "river_profile_support.h"
#include "water/river_profile_mixing.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace corvalen;
using corvalen::test::profileLine;
using corvalen::test::reportLines;

namespace {

MixingInputs design()
{
    return MixingInputs{
        .qh = "10", .ch = "0.1", .qp = "1", .cp = "100", .u = "1", .dp = "4.5", .dh = "1.5",
        .k1 = "1", .k2 = "1.5", .range = {"100", "2000", "100"}, .velocityEnabled = true};
}

MixingInputs completeMixing()
{
    MixingInputs in = design();
    in.velocityEnabled = false;
    return in;
}

QString report(const MixingInputs &in)
{
    ProgressState bar;
    return mixingReport(in, bar);
}

QString sag(double x)
{
    return ApplyDisplayPattern(x, u"###.####");
}

const QStringList kHeadings{QStringLiteral("S-P模式计算结果(氧亏和污染物浓度)_河5计算结果："), QString(),
                            QStringLiteral("x(m)   D(mg/L)    C(mg/L)")};

TEST(MixingModel, CompleteMixingReport)
{
    const struct { const char *name; MixingInputs in; const char *text; } cases[] = {
        {"design", completeMixing(),
         "完全混合模式_河1计算结果:\r\r河流流量 Qh ：10 m^3/s\r河流本底浓度 Ch：0.1 mg/L\r"
         "污水流量 Qp ：1 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=9.1818mg/L"},
        {"inputs echoed as typed",
         [] { MixingInputs in = completeMixing(); in.qp = "1.0"; in.ch = ""; return in; }(),
         "完全混合模式_河1计算结果:\r\r河流流量 Qh ：10 m^3/s\r河流本底浓度 Ch： mg/L\r"
         "污水流量 Qp ：1.0 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=9.0909mg/L"},
        {"no flow", [] { MixingInputs in = completeMixing(); in.qp = "0"; in.qh = "abc"; return in; }(),
         "完全混合模式_河1计算结果:\r\r河流流量 Qh ：abc m^3/s\r河流本底浓度 Ch：0.1 mg/L\r"
         "污水流量 Qp ：0 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=.mg/L"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(report(c.in), QString::fromUtf8(c.text)) << c.name;
}

// The model follows the velocity box's enabled state alone; the S-P boxes
// (here a letter in Rmax) mean nothing to complete mixing.
TEST(MixingModel, ModelInForceFollowsTheVelocityBox)
{
    MixingInputs in = completeMixing();
    in.range.rmax = "x";
    EXPECT_TRUE(report(in).endsWith(QStringLiteral("C=9.1818mg/L")));
    in.velocityEnabled = true;
    EXPECT_EQ(reportLines(report(in)), kHeadings);
}

TEST(MixingModel, CompleteMixingSweepsTheBar)
{
    ProgressState bar;
    bar.setMaximum(2000);
    bar.setValue(700);
    mixingReport(completeMixing(), bar);
    EXPECT_EQ(bar.maximum, 100);
    EXPECT_EQ(bar.value, 100);
    EXPECT_TRUE(bar.visible);
}

TEST(MixingModel, OxygenSagDesign)
{
    const QStringList lines = reportLines(report(design()));
    ASSERT_EQ(lines.size(), 3 + 20);
    EXPECT_EQ(lines.mid(0, 3), kHeadings);
    EXPECT_EQ(lines[3], QStringLiteral("100    1.7803    9.1712"));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("2000    ")));
}

// Lines of the S-P profile whose values follow a closed form.
TEST(MixingModel, OxygenSagFailures)
{
    // The mixed deficit D0 = (4.5·1 + 1.5·10) / 11 and concentration C0 = 101/11.
    const double d0 = double((4.5f * 1 + 1.5f * 10) / 11.0f);
    const double c0 = double((100.0f * 1 + 0.1f * 10) / 11.0f);
    const struct {
        const char *name;
        MixingInputs in;
        std::function<QStringList(double)> values;
    } cases[] = {
        {"K1 equal to K2: A fails and counts as 0",
         [] { MixingInputs in = design(); in.k1 = "1"; in.k2 = "1"; return in; }(),
         [&](double x) { return QStringList{sag(d0 * std::exp(-x / 86400)), sag(c0 * std::exp(-x / 86400))}; }},
        {"no velocity: the exponentials fail",
         [] { MixingInputs in = design(); in.u = "0"; return in; }(),
         [](double) { return QStringList{".", "."}; }},
        {"empty K1 counts as 0",
         [] { MixingInputs in = design(); in.k1 = ""; return in; }(),
         [&](double x) { return QStringList{sag(d0 * std::exp(-1.5 * x / 86400)), "9.1818"}; }},
        {"no flow: C0 and D0 count as 0",
         [] { MixingInputs in = design(); in.qp = "0"; in.qh = "0"; return in; }(),
         [](double) { return QStringList{".", "."}; }},
    };
    for (const auto &c : cases) {
        const QStringList lines = reportLines(report(c.in));
        ASSERT_EQ(lines.size(), 3 + 20) << c.name;
        for (int i = 0; i < 20; ++i) {
            const double x = 100.0 * (i + 1);
            EXPECT_EQ(lines[3 + i], profileLine(DoubleText(x), c.values(x))) << c.name << " at " << x;
        }
    }
}

TEST(MixingModel, OxygenSagWithoutDistances)
{
    const struct { const char *name; ProfileRange range; } cases[] = {
        {"start beyond the end", {"3000", "2000", "100"}},
        {"letter in Rmax", {"100", "2000m", "100"}},
    };
    for (const auto &c : cases) {
        MixingInputs in = design();
        in.range = c.range;
        EXPECT_EQ(reportLines(report(in)), kHeadings) << c.name;
    }
}

// A negative K1 with a slow river: the exponential of e1 overflows past
// 6000 m, and e1 keeps its value of the previous distance.
TEST(MixingModel, OverflowingExponentialKeepsThePreviousDistance)
{
    MixingInputs in = design();
    in.k1 = "-1";
    in.u = "0.0001";
    in.range = {"5000", "8000", "1000"};
    const QStringList lines = reportLines(report(in));
    ASSERT_EQ(lines.size(), 3 + 4);
    const QString at6000 = lines[4].section(QLatin1String("    "), 1);
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("6000    ")));
    EXPECT_GT(at6000.size(), 300);  // some 1E+301, written out in full
    EXPECT_EQ(lines[5], QStringLiteral("7000    ") + at6000);
    EXPECT_EQ(lines[6], QStringLiteral("8000    ") + at6000);
}

} // namespace
