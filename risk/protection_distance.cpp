#include "risk/protection_distance.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>
#include <optional>

namespace corvalen {

const QString kNoCoefficientRowMessage = QStringLiteral("你的输入或选择有误，请检查你的输入或选择！");
const QString kSearchBoundText = QStringLiteral("25000M内未找到卫生防护距离");
const QString kCannotComputeText = QStringLiteral("无法计算，请检查输入");
const QString kProtectionDistanceNote = QStringLiteral(
    " 1、防护距离在1000米以上，程序会自动试算，后重新选取ABCD值，后再计算！"
    " 2、本程序的计算结果与其他评价程序的结果作过对比，防护距离在1000米以内时相差不超过0.05米，"
    "1000米以上时相差不超过10米；这是计算机逐步试算中误差累积所致，并非参数选取有误！");

namespace {

const QString kAbove4 = QStringLiteral("大于4");
const QString kBetween2And4 = QStringLiteral("大于2小于4");
const QString kBelow2 = QStringLiteral("小于2");
const QString kStacks = QStringLiteral("有");
const QString kNoStacks = QStringLiteral("无");
const QString kAboveThird = QStringLiteral("大于允许1/3");
const QString kBelowThird = QStringLiteral("小于允许1/3");
const QString kAcute = QStringLiteral("急性指标");
const QString kChronic = QStringLiteral("慢性指标");

// One row of the standard's coefficient table: A by enterprise class I to
// III, B, C and D by distance band and wind band alone.
struct CoefficientRow
{
    float aByClass[3];
    float b, c, d;
};

// [band - 1][wind band: 大于4, 大于2小于4, 小于2]
const CoefficientRow kCoefficients[3][3] = {
    {{{530, 350, 260}, 0.021f, 1.85f, 0.84f},
     {{700, 470, 350}, 0.021f, 1.85f, 0.84f},
     {{400, 400, 400}, 0.01f, 1.85f, 0.78f}},
    {{{530, 350, 260}, 0.036f, 1.77f, 0.84f},
     {{700, 470, 350}, 0.036f, 1.77f, 0.84f},
     {{400, 400, 400}, 0.015f, 1.79f, 0.78f}},
    {{{290, 190, 140}, 0.036f, 1.77f, 0.76f},
     {{380, 250, 190}, 0.036f, 1.77f, 0.76f},
     {{80, 80, 80}, 0.015f, 1.79f, 0.57f}},
};

// Enterprise class 1 to 3 from the stack lists, 0 for none. With 有 the
// indicator list is not read, with 无 the stack emission list.
int enterpriseClass(const ProtectionDistanceChoices &ch)
{
    if (ch.stacks == kStacks) {
        if (ch.stackEmission == kAboveThird)
            return 1;
        if (ch.stackEmission == kBelowThird)
            return 2;
    } else if (ch.stacks == kNoStacks) {
        if (ch.indicator == kAcute)
            return 2;
        if (ch.indicator == kChronic)
            return 3;
    }
    return 0;
}

DistanceCoefficients fromRow(const CoefficientRow &row, int enterprise, bool found)
{
    return {row.aByClass[enterprise - 1], row.b, row.c, row.d, found};
}

} // namespace

QStringList windSpeedItems()
{
    return {kAbove4, kBetween2And4, kBelow2};
}

QStringList stackItems()
{
    return {kStacks, kNoStacks};
}

QStringList stackEmissionItems()
{
    return {kAboveThird, kBelowThird};
}

QStringList indicatorItems()
{
    return {kAcute, kChronic};
}

DistanceCoefficients ProtectionDistanceCoefficients(int band, const ProtectionDistanceChoices &choices)
{
    const CoefficientRow *rows = kCoefficients[band - 1];
    const int enterprise = enterpriseClass(choices);
    if (choices.windSpeed == kAbove4 && enterprise)
        return fromRow(rows[0], enterprise, true);
    if (choices.windSpeed == kBetween2And4 && enterprise)
        return fromRow(rows[1], enterprise, true);
    // Below 2 m/s the class does not matter.
    return fromRow(rows[2], 1, choices.windSpeed == kBelow2);
}

DistanceSearch SearchProtectionDistance(DistanceSearchValues &v, float start)
{
    DistanceSearch search;
    v.l = start;
    v.q = StoredSingle(double(v.qc) / double(v.cm));  // a division by zero stores ±∞ or undefined
    v.inverseA = StoredSingle(1.0 / double(v.a));
    StoreFiniteOrKeep(v.r, std::sqrt(double(v.s) / 3.14));  // a negative area keeps the radius as it was
    if (v.q == 0 || !std::isfinite(v.q)) {
        search.end = SearchEnd::Undefined;
        return search;
    }
    // r² / 4 does not depend on L: worked out once, as every round would.
    v.t2 = StoredSingle(double(v.r) * double(v.r) * 0.25);
    const double q = v.q;
    const double b = v.b, c = v.c, d = v.d, inverseA = v.inverseA;
    constexpr float kTolerance = 0.001f;
    while (true) {
        v.l = StoredSingle(double(v.l) + 0.01);
        if (v.l > kProtectionSearchLimit) {
            search.end = SearchEnd::Bound;
            return search;
        }
        ++search.rounds;
        const double l = v.l;
        v.t1 = StoredSingle(std::pow(l, c) * b);
        v.t3 = v.t1 + v.t2;
        v.t4 = StoredSingle(inverseA * std::sqrt(double(v.t3)));
        v.f = StoredSingle(std::pow(l, d) * double(v.t4));
        v.diff = v.f - v.q;
        if (StoredSingle(std::fabs(double(v.diff) / q)) < kTolerance) {
            search.end = SearchEnd::Met;
            return search;
        }
    }
}

ProtectionDistanceOutcome ProtectionDistance::press(const ProtectionDistanceInputs &in)
{
    ProtectionDistanceOutcome outcome;
    auto lookUp = [&](int band) {
        const DistanceCoefficients k = ProtectionDistanceCoefficients(band, in.choices);
        if (!k.found)
            ++outcome.lookupMessages;
        values.a = k.a;
        values.b = k.b;
        values.c = k.c;
        values.d = k.d;
    };
    // A box that is no number keeps the value of the previous press.
    auto readInputs = [&] {
        if (const std::optional<float> cm = ToSingle(in.concentration))
            values.cm = *cm;
        if (const std::optional<float> qc = ToSingle(in.emission))
            values.qc = *qc;
        if (const std::optional<float> s = ToSingle(in.area))
            values.s = *s;
    };
    auto finish = [&](const DistanceSearch &search) {
        if (search.end == SearchEnd::Undefined)
            outcome.resultText = kCannotComputeText;
        else if (search.end == SearchEnd::Bound)
            outcome.resultText = kSearchBoundText;
        else
            outcome.resultText = SingleText(values.l);
        return outcome;
    };

    lookUp(1);
    readInputs();
    const DistanceSearch first = SearchProtectionDistance(values, 0);
    values.l1 = values.l;
    if (first.end != SearchEnd::Met || values.l1 <= 1000)
        return finish(first);
    // Above 1000 m: the coefficients of the band the first result lies in,
    // and a second search from that band's lower limit. Its result stands
    // even where it ends beyond the band.
    const int band = values.l1 > 2000 ? 3 : 2;
    lookUp(band);
    readInputs();
    return finish(SearchProtectionDistance(values, band == 3 ? 2000.0f : 1000.0f));
}

} // namespace corvalen
