// The health-protection distance without its window: the coefficient
// lookup, the press with its band re-search and bound, and the fast search
// against a literal round-by-round copy of the stepping.
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"
#include "risk/protection_distance.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace corvalen;

namespace {

const QString kAbove4 = QStringLiteral("大于4");
const QString kBelow2 = QStringLiteral("小于2");

ProtectionDistanceChoices classOne(const QString &wind = kAbove4)
{
    return {wind, QStringLiteral("有"), QStringLiteral("大于允许1/3"), {}};
}

// The window's design texts: Qc 0.05 kg/h, Cm 0.03 mg/m³, S 200 m².
ProtectionDistanceInputs inputs(ProtectionDistanceChoices choices, QString qc = QStringLiteral("0.05"),
                                QString cm = QStringLiteral("0.03"), QString s = QStringLiteral("200"))
{
    return {qc, cm, s, choices};
}

TEST(ProtectionDistance, CoefficientLookup)
{
    const struct {
        const char *name;
        int band;
        ProtectionDistanceChoices choices;
        float a, b, c, d;
        bool found;
    } cases[] = {
        {"class II by stacks below a third", 1, {kAbove4, "有", "小于允许1/3", "慢性指标"}, 350, 0.021f, 1.85f, 0.84f, true},
        {"class II by acute indicator", 1, {kAbove4, "无", "大于允许1/3", "急性指标"}, 350, 0.021f, 1.85f, 0.84f, true},
        {"class III", 1, {"大于2小于4", "无", "", "慢性指标"}, 350, 0.021f, 1.85f, 0.84f, true},
        {"band 3, class III", 3, {kAbove4, "无", "", "慢性指标"}, 140, 0.036f, 1.77f, 0.76f, true},
        {"below 2 m/s needs no class", 3, {kBelow2, "", "", ""}, 80, 0.015f, 1.79f, 0.57f, true},
        {"no wind band: the below-2 row", 1, {"", "有", "大于允许1/3", ""}, 400, 0.01f, 1.85f, 0.78f, false},
        {"no class: the below-2 row of band 2", 2, {kAbove4, "", "", ""}, 400, 0.015f, 1.79f, 0.78f, false},
        {"stacks list typed with a blank", 1, {kAbove4, "有 ", "大于允许1/3", ""}, 400, 0.01f, 1.85f, 0.78f, false},
    };
    for (const auto &c : cases) {
        const DistanceCoefficients k = ProtectionDistanceCoefficients(c.band, c.choices);
        EXPECT_EQ(k.a, c.a) << c.name;
        EXPECT_EQ(k.b, c.b) << c.name;
        EXPECT_EQ(k.c, c.c) << c.name;
        EXPECT_EQ(k.d, c.d) << c.name;
        EXPECT_EQ(k.found, c.found) << c.name;
    }
}

// The handbook examples are checked through the window; here the first
// search's stop where it decides the band, and the cases the window leaves.
TEST(ProtectionDistance, Press)
{
    const struct {
        const char *name;
        ProtectionDistanceInputs in;
        const char *shown;
        int messages;
        const char *firstSearch;  // L1, where the first search stopped
    } cases[] = {
        {"below 2 m/s, other lists ignored", inputs({kBelow2, "无", "", ""}), "169.0664", 0, "169.0664"},
        {"class II by stacks, band 2", inputs({kAbove4, "有", "小于允许1/3", ""}, "5"), "1516.814", 0, "1496.779"},
        {"band 2 re-search from 1000", inputs(classOne(), "2"), "1134.031", 0, "1126.448"},
        {"zero limit", inputs(classOne(), "0.05", "0"), "无法计算，请检查输入", 0, "0"},
        {"both zero", inputs(classOne(), "0", "0"), "无法计算，请检查输入", 0, "0"},
        {"q beyond the single range", inputs(classOne(), "3E38", "1E-10"), "无法计算，请检查输入", 0, "0"},
    };
    for (const auto &c : cases) {
        ProtectionDistance window;
        const ProtectionDistanceOutcome outcome = window.press(c.in);
        EXPECT_EQ(outcome.resultText.toStdString(), c.shown) << c.name;
        EXPECT_EQ(outcome.lookupMessages, c.messages) << c.name;
        EXPECT_EQ(SingleText(window.values.l1).toStdString(), c.firstSearch) << c.name;
    }
}

// A box that is no number keeps what the previous press read; so does the
// radius of a negative area.
TEST(ProtectionDistance, FailedReadsKeepThePreviousPress)
{
    ProtectionDistance window;
    window.press(inputs(classOne()));
    const struct { const char *name; ProtectionDistanceInputs in; } cases[] = {
        {"empty emission", inputs(classOne(), "")},
        {"text limit", inputs(classOne(), "0.05", "abc")},
        {"negative area", inputs(classOne(), "0.05", "0.03", "-200")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(window.press(c.in).resultText.toStdString(), "136.1944") << c.name;
}

// The search exactly as described: step 1 once, then per round L + 0.01 and
// every stored value worked out anew in double and rounded to single.
DistanceSearch literalSearch(DistanceSearchValues &v, float start)
{
    DistanceSearch search;
    v.l = start;
    v.q = StoredSingle(double(v.qc) / double(v.cm));
    v.inverseA = StoredSingle(1 / double(v.a));
    const double radius = std::pow(double(v.s) / 3.14, 0.5);
    if (std::isfinite(radius))
        v.r = StoredSingle(radius);
    if (v.q == 0 || !std::isfinite(v.q)) {
        search.end = SearchEnd::Undefined;
        return search;
    }
    for (;;) {
        v.l = StoredSingle(double(v.l) + 0.01);
        if (v.l > 25000.0f) {
            search.end = SearchEnd::Bound;
            return search;
        }
        ++search.rounds;
        v.t1 = StoredSingle(std::pow(double(v.l), double(v.c)) * double(v.b));
        v.t2 = StoredSingle(std::pow(double(v.r), 2.0) * 0.25);
        v.t3 = StoredSingle(double(v.t1) + double(v.t2));
        v.t4 = StoredSingle(double(v.inverseA) * std::sqrt(double(v.t3)));
        v.f = StoredSingle(std::pow(double(v.l), double(v.d)) * double(v.t4));
        v.diff = StoredSingle(double(v.f) - double(v.q));
        const float relative = StoredSingle(std::fabs(double(v.diff) / double(v.q)));
        if (relative < StoredSingle(0.001)) {
            search.end = SearchEnd::Met;
            return search;
        }
    }
}

TEST(ProtectionDistance, SearchMatchesTheLiteralStepping)
{
    const auto values = [](int band, ProtectionDistanceChoices choices, float qc, float cm, float s) {
        const DistanceCoefficients k = ProtectionDistanceCoefficients(band, choices);
        DistanceSearchValues v;
        v.a = k.a;
        v.b = k.b;
        v.c = k.c;
        v.d = k.d;
        v.qc = qc;
        v.cm = cm;
        v.s = s;
        return v;
    };
    const struct {
        const char *name;
        DistanceSearchValues values;
        float start;
        SearchEnd end;
    } cases[] = {
        // 13619 rounds whose L drifts from n / 100.
        {"design texts", values(1, classOne(), 0.05f, 0.03f, 200), 0, SearchEnd::Met},
        {"below 2 m/s", values(1, {kBelow2, "", "", ""}, 0.05f, 0.03f, 200), 0, SearchEnd::Met},
        {"band 2 from 1000", values(2, classOne(), 2, 0.03f, 200), 1000, SearchEnd::Met},
        {"band 3 from 2000", values(3, classOne(), 10, 0.03f, 200), 2000, SearchEnd::Met},
        {"tiny area", values(1, classOne(), 0.05f, 0.03f, 1e-05f), 0, SearchEnd::Met},
        {"a tiny emission is stepped over", values(1, classOne(), 1e-06f, 1, 1), 0, SearchEnd::Bound},
        {"negative area keeps the radius", values(1, classOne(), 0.05f, 0.03f, -200), 0, SearchEnd::Met},
        {"to the bound", values(1, classOne(), -0.05f, 0.03f, 200), 0, SearchEnd::Bound},
        {"q undefined", values(1, classOne(), 0, 0, 200), 0, SearchEnd::Undefined},
    };
    for (const auto &c : cases) {
        DistanceSearchValues fast = c.values;
        DistanceSearchValues slow = c.values;
        const DistanceSearch fastSearch = SearchProtectionDistance(fast, c.start);
        const DistanceSearch slowSearch = literalSearch(slow, c.start);
        EXPECT_EQ(fastSearch.end, c.end) << c.name;
        EXPECT_EQ(slowSearch.end, c.end) << c.name;
        EXPECT_EQ(fastSearch.rounds, slowSearch.rounds) << c.name;
        const struct { const char *what; float DistanceSearchValues::*member; } stored[] = {
            {"L", &DistanceSearchValues::l},   {"q", &DistanceSearchValues::q},
            {"a", &DistanceSearchValues::inverseA}, {"r", &DistanceSearchValues::r},
            {"t1", &DistanceSearchValues::t1}, {"t2", &DistanceSearchValues::t2},
            {"t3", &DistanceSearchValues::t3}, {"t4", &DistanceSearchValues::t4},
            {"f", &DistanceSearchValues::f},   {"d", &DistanceSearchValues::diff},
        };
        for (const auto &value : stored) {
            const float a = fast.*value.member, b = slow.*value.member;
            EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << c.name << ": " << value.what;
        }
    }
}

} // namespace
