// The four profile models without their windows: the worked examples and
// the failures whose lines the models' rules fix.
#include "water/river_profile_bay.h"
#include "water/river_profile_frolov.h"
#include "water/river_profile_mixing.h"
#include "water/river_profile_thomas.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// Design-time inputs of each window, changed by `edit`.
template <class Inputs>
QString reportOf(Inputs in, QString (*model)(const Inputs &, ProgressState &), void (*edit)(Inputs &))
{
    if (edit)
        edit(in);
    ProgressState bar;
    return model(in, bar);
}

QString sp(void (*edit)(MixingInputs &) = nullptr)
{
    return reportOf(MixingInputs{.qh = "10", .ch = "0.1", .qp = "1", .cp = "100", .u = "1", .dp = "4.5", .dh = "1.5",
                                 .k1 = "1", .k2 = "1.5", .range = {"100", "2000", "100"}},
                    mixingReport, edit);
}
QString thomas(void (*edit)(ThomasInputs &) = nullptr)
{
    return reportOf(ThomasInputs{.qp = "1", .cp = "100", .qh = "10", .ch = "0.1", .u = "1", .dp = "4.5", .dh = "1.5",
                                 .k1 = "1", .k2 = "1.5", .k3 = "0.3", .range = {"100", "2000", "100"}},
                    thomasReport, edit);
}
QString frolov(void (*edit)(FrolovInputs &) = nullptr)
{
    return reportOf(FrolovInputs{.qp = "1.0", .cp = "100", .ch = "0.1", .v = "0.2", .k1 = "1", .h = "0.5",
                                 .epsilon = "1", .r = "100", .n = "0.05", .qh = "10", .range = {"10", "400", "20"}},
                    frolovReport, edit);
}
QString bay(void (*edit)(BayInputs &) = nullptr)
{
    return reportOf(BayInputs{.qp = "1.0", .cp = "100", .mv = "0.005", .angle = "3.1415926", .ch = "0", .depth = "2",
                              .range = {"100", "1000", "100"}},
                    bayReport, edit);
}

const char *kSpHead = "S-P模式计算结果(氧亏和污染物浓度)_河5计算结果：\r\rx(m)   D(mg/L)    C(mg/L)\r";
const char *kThomasHead = "托马斯模式_河9计算结果:\rx(m)   D(mg/L)    C(mg/L)\r";
const char *kFrolov7Head = "河-7 弗-罗衰减模式计算结果(mg/L)：\rx(i)     c(i)\r";
const char *kFrolov3Head = "河-3 弗-罗模式计算结果(mg/L)：\rx(i)     c(i)\r";
const char *kBayHead = "海湾约 - 新模式计算结果:\r计算点排放口径向距离r(i)和该处浓度c(i)如下:\rr(i)     c(i)\r";

// Each profile: its heading lines, the count of distance lines and the
// first and last of them (D0·e^(−x/86400) and the like worked out by hand).
TEST(RiverProfileModels, Profiles)
{
    const struct { const char *name; QString report; const char *head; int lines; const char *first, *last; } cases[] = {
        {"S-P design", sp(), kSpHead, 20, "100    1.7803    9.1712", "2000    1.9187    8.9717"},
        {"S-P K1 = K2: A counts as 0, D = D0·e2", sp([](MixingInputs &in) { in.k2 = "1"; }), kSpHead, 20,
         "100    1.7707    9.1712", "2000    1.7322    8.9717"},
        {"S-P empty K1: C = C0", sp([](MixingInputs &in) { in.k1 = ""; }), kSpHead, 20, "100    1.7697    9.1818",
         "2000    1.7122    9.1818"},
        {"S-P no velocity", sp([](MixingInputs &in) { in.u = "0"; }), kSpHead, 20, "100    .    .", "2000    .    ."},
        {"S-P no flow", sp([](MixingInputs &in) { in.qp = "0"; in.qh = "0"; }), kSpHead, 20, "100    .    .",
         "2000    .    ."},
        {"S-P letter in Rmax", sp([](MixingInputs &in) { in.range.rmax = "2000m"; }), kSpHead, 0},
        {"Thomas design", thomas(), kThomasHead, 20, "100    1.7803    9.168"},
        {"Thomas k = 0: D = D0·e2", thomas([](ThomasInputs &in) { in.k3 = "0.5"; }), kThomasHead, 20,
         "100    1.7697    9.1659", "2000    1.7122    8.8685"},
        {"Thomas no velocity", thomas([](ThomasInputs &in) { in.u = ""; }), kThomasHead, 20, "100    1.7727    .",
         "2000    1.7727    ."},
        {"Thomas start beyond the end", thomas([](ThomasInputs &in) { in.range.rmin = "2100"; }), kThomasHead, 0},
        {"Frolov design", frolov(), kFrolov7Head, 20, "10    85.5775", "390    58.4799"},
        {"Frolov no radius: c = Cp·F", frolov([](FrolovInputs &in) { in.r = "0"; }), kFrolov7Head, 20,
         "10    99.9421", "390    97.7683"},
        {"Frolov no radius nor decay", frolov([](FrolovInputs &in) { in.r = ""; in.k1 = ""; }), kFrolov3Head, 20,
         "10    100.0000", "390    100.0000"},
        {"Frolov no wastewater flow", frolov([](FrolovInputs &in) { in.qp = "0"; }), kFrolov7Head, 20, "10    0.0000",
         "390    0.0000"},
        {"Frolov still river", frolov([](FrolovInputs &in) { in.v = "0"; }), kFrolov7Head, 20, "10    0.0000",
         "390    0.0000"},
        // No real cube root below 0: β keeps 0 at the first distance, its
        // value at 10 m after it.
        {"Frolov from below 0", frolov([](FrolovInputs &in) { in.k1 = "0"; in.range = {"-10", "10", "20"}; }),
         kFrolov3Head, 2, "-10    9.1818", "10    85.6270"},
        {"Frolov down below 0", frolov([](FrolovInputs &in) { in.k1 = "0"; in.range = {"10", "-10", "-20"}; }),
         kFrolov3Head, 2, "10    85.6270", "-10    85.6270"},
        {"bay design", bay(), kBayHead, 10, "100    27.2623", "1000    3.133"},
        {"bay from 0", bay([](BayInputs &in) { in.range.rmin = "0"; }), kBayHead, 11, "0    0"},
        {"bay down to 0", bay([](BayInputs &in) { in.range = {"100", "0", "-100"}; }), kBayHead, 2, "100    27.2623",
         "0    27.2623"},
        {"bay no angle", bay([](BayInputs &in) { in.angle = "0"; }), kBayHead, 10, "100    0", "1000    0"},
        {"bay empty step", bay([](BayInputs &in) { in.range.step = ""; }), kBayHead, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString head = QString::fromUtf8(c.head);
        ASSERT_TRUE(c.report.startsWith(head)) << c.report.left(200).toStdString();
        ASSERT_TRUE(c.report.endsWith(u'\r'));
        const QStringList lines = c.report.mid(head.size()).chopped(c.lines ? 1 : 0).split(u'\r', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.lines);
        if (c.first) {
            EXPECT_EQ(lines.first().toStdString(), c.first);
        }
        if (c.last) {
            EXPECT_EQ(lines.last().toStdString(), c.last);
        }
    }
}

TEST(RiverProfileModels, CompleteMixing)
{
    const struct { const char *name; QString report; const char *text; } cases[] = {
        {"design", sp([](MixingInputs &in) { in.velocityEnabled = false; }),
         "完全混合模式_河1计算结果:\r\r河流流量 Qh ：10 m^3/s\r河流本底浓度 Ch：0.1 mg/L\r"
         "污水流量 Qp ：1 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=9.1818mg/L"},
        {"boxes echoed as typed, S-P boxes unread",
         sp([](MixingInputs &in) { in.velocityEnabled = false; in.qp = "1.0"; in.ch = ""; in.range.rmax = "x"; }),
         "完全混合模式_河1计算结果:\r\r河流流量 Qh ：10 m^3/s\r河流本底浓度 Ch： mg/L\r"
         "污水流量 Qp ：1.0 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=9.0909mg/L"},
        {"no flow", sp([](MixingInputs &in) { in.velocityEnabled = false; in.qp = "0"; in.qh = "abc"; }),
         "完全混合模式_河1计算结果:\r\r河流流量 Qh ：abc m^3/s\r河流本底浓度 Ch：0.1 mg/L\r"
         "污水流量 Qp ：0 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=.mg/L"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.report.toStdString(), c.text) << c.name;
}

// A negative K1 in a slow river: e1 overflows beyond 6000 m and keeps its
// value there, so the lines after repeat the values at 6000 m.
TEST(RiverProfileModels, OverflowKeepsThePreviousDistance)
{
    const QStringList lines = sp([](MixingInputs &in) {
                                  in.k1 = "-1";
                                  in.u = "0.0001";
                                  in.range = {"6000", "8000", "1000"};
                              }).split(u'\r');
    ASSERT_EQ(lines.size(), 3 + 3 + 1);
    const QString at6000 = lines[3].mid(4);
    EXPECT_GT(at6000.size(), 300);  // some 1E+301, written out in full
    EXPECT_EQ(lines[4].toStdString(), "7000" + at6000.toStdString());
    EXPECT_EQ(lines[5].toStdString(), "8000" + at6000.toStdString());
}

// A concentration beyond the single range fails its step (it is stored in
// single precision): the line keeps the value of the previous distance, 0
// at the first.
TEST(RiverProfileModels, BeyondTheSingleRangeKeepsThePreviousDistance)
{
    // Qp = -1000: at 100 m the exponential is about 1E+138.
    EXPECT_TRUE(bay([](BayInputs &in) {
                    in.qp = "-1000";
                    in.range = {"100", "100", "100"};
                }).endsWith(QStringLiteral("\r100    0\r")));
    const QStringList lines = bay([](BayInputs &in) {
                                  in.qp = "-1000";
                                  in.range = {"2000", "100", "-1900"};
                              }).split(u'\r');
    ASSERT_EQ(lines.size(), 3 + 2 + 1);
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("2000    -8")));  // some -8E+08 at 2000 m
    EXPECT_EQ(lines[4], QStringLiteral("100") + lines[3].mid(4));
}

} // namespace
