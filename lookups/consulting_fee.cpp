#include "lookups/consulting_fee.h"

#include "common/numbers/general_value.h"
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <array>
#include <cmath>

namespace corvalen {

namespace {

// Band limits of the investment (亿元) and the fees (万元) at each limit;
// above the last limit the fee stays at the last value.
constexpr std::array<float, 6> kLimits = {0.0f, 0.3f, 2.0f, 10.0f, 50.0f, 100.0f};
constexpr std::array<float, 6> kReportCompiling = {5, 6, 15, 35, 75, 110};
constexpr std::array<float, 6> kReportEvaluating = {0.8f, 1.5f, 3, 7, 9, 13};
constexpr std::array<float, 6> kFormCompiling = {1, 2, 4, 7, 7, 7};
constexpr std::array<float, 6> kFormEvaluating = {0.5f, 0.8f, 1.5f, 2, 2, 2};

float interpolate(float investment, const std::array<float, 6> &fees)
{
    if (investment > kLimits.back())
        return fees.back();
    // The bands are tested from the first: I ≤ 0.3 (a line from 0, continued
    // below it), then a < I ≤ b.
    std::size_t band = 1;
    while (band + 1 < kLimits.size() && investment > kLimits[band])
        ++band;
    const float a = kLimits[band - 1];
    const float b = kLimits[band];
    const float slope = (fees[band] - fees[band - 1]) / (b - a);
    return fees[band - 1] + (investment - a) * slope;
}

// The fee cut to the pattern's decimals and read back; a fee the pattern
// writes without a digit (zero) reads back as 0. An infinite fee (a number
// of topics beyond the single range) has no decimals to cut and stays
// infinite, so the report shows the infinite text, not 0.
float cutToPattern(float fee, QStringView pattern)
{
    if (!std::isfinite(fee))
        return fee;
    return ToSingle(ApplyDisplayPattern(fee, pattern)).value_or(0.0f);
}

const QString kNoteLines[] = {
    QStringLiteral("    注："),
    QStringLiteral("    1、估算投资额为项目建议书上或可行性研究报告中的估算投资额"),
    QStringLiteral("    2、以上计算出来的费用不包括遥感、遥测、风洞实验、污染气象观测、示踪实验、地探、物探、"
                   "卫星图片解读、需要动用的船、飞机等特殊监测费用"),
};

} // namespace

FeeBandFees bandFees(float investment, FeeDocument document)
{
    if (document == FeeDocument::Report)
        return {interpolate(investment, kReportCompiling), interpolate(investment, kReportEvaluating)};
    return {interpolate(investment, kFormCompiling), interpolate(investment, kFormEvaluating)};
}

std::optional<FeeResult> consultingFee(const FeeInput &input)
{
    const std::optional<float> typed = ToSingle(input.investment);
    if (!typed)
        return std::nullopt;
    FeeResult result;
    result.investment = *typed / 10000.0f;
    const FeeBandFees fees = bandFees(result.investment, input.document);
    const float f0 = fees.compiling;
    float compiling = StoredSingle(f0 + input.industryTerm * f0 + input.sensitivityTerm * f0);
    if (input.document == FeeDocument::ReportForm) {
        const std::optional<double> topics = GeneralValue(input.topics).asNumber();
        if (!topics)
            return std::nullopt;
        compiling = StoredSingle(f0 + 0.5 * f0 * *topics);
    }
    result.compiling = cutToPattern(compiling, u"#####.####");
    result.evaluating = cutToPattern(fees.evaluating, u"#####.#####");

    const QString c = SingleText(result.compiling);
    const QString e = SingleText(result.evaluating);
    if (input.document == FeeDocument::Report) {
        result.report << QStringLiteral("    编制环境影响报告书(含大纲)的费用约为:") + c + QStringLiteral("万元")
                      << QStringLiteral("    评估环境影响报告书(含大纲)的费用约为:") + e + QStringLiteral("万元");
    } else if (result.investment <= 10.0f) {
        result.report << QStringLiteral("    编制环境影响报告表的费用为:") + c + QStringLiteral("万元")
                      << QStringLiteral("    评估环境影响报告表的费用为:") + e + QStringLiteral("万元");
    } else {
        result.report << QStringLiteral("    编制环境影响报告表的费用为:7万元以上，计价格[2002]125号文件规定，好象没有上限！")
                      << QStringLiteral("    评估环境影响报告表的费用为:2万元以上，计价格[2002]125号文件规定，好象没有上限！");
    }
    for (const QString &line : kNoteLines)
        result.report << line;
    return result;
}

} // namespace corvalen
