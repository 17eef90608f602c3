// The consulting fee: band interpolation, the adjustments and the report's
// texts.
#include "common/numbers/number_text.h"
#include "lookups/consulting_fee.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

constexpr double kChemical = 0.2;    // Option5
constexpr double kTransport = 0.0;   // Option7
constexpr double kGrain = -0.4;      // Option9
constexpr double kSensitive = 0.2;   // Option10
constexpr double kOrdinary = -0.2;   // Option11

struct Case
{
    const char *name;
    FeeInput input;
    QString compiling;  // C as the report writes it
    QString evaluating;
};

// The worked examples of the window are checked through it.
TEST(ConsultingFee, BandsAndAdjustments)
{
    const Case cases[] = {
        {"first band's upper limit", {"3000", FeeDocument::Report, kChemical, kSensitive, "2"}, "8.4", "1.5"},
        {"limit 2", {"20000", FeeDocument::Report, kChemical, kSensitive, "2"}, "21", "3"},
        {"limit 100", {"1000000", FeeDocument::Report, kChemical, kSensitive, "2"}, "154", "13"},
        {"above 100", {"2000000", FeeDocument::Report, kChemical, kSensitive, "2"}, "154", "13"},
        {"grain, ordinary", {"3000", FeeDocument::Report, kGrain, kOrdinary, "2"}, "2.4", "1.5"},
        {"report form at limit 10", {"100000", FeeDocument::ReportForm, kChemical, kSensitive, "2"}, "14", "2"},
        {"negative investment continues the first band", {"-3000", FeeDocument::Report, kTransport, kSensitive, "0"},
         "4.8", "0.1"},
    };
    for (const Case &c : cases) {
        const std::optional<FeeResult> fee = consultingFee(c.input);
        ASSERT_TRUE(fee) << c.name;
        EXPECT_EQ(SingleText(fee->compiling), c.compiling) << c.name;
        EXPECT_EQ(SingleText(fee->evaluating), c.evaluating) << c.name;
    }
}

TEST(ConsultingFee, BandFeesAtTheLimits)
{
    EXPECT_FLOAT_EQ(bandFees(0.0f, FeeDocument::Report).compiling, 5.0f);
    EXPECT_FLOAT_EQ(bandFees(10.0f, FeeDocument::Report).compiling, 35.0f);
    EXPECT_FLOAT_EQ(bandFees(30.0f, FeeDocument::Report).compiling, 55.0f);
}

// The lines the window tests do not read: the note and the evaluating line
// of a large report form.
TEST(ConsultingFee, ReportLines)
{
    const std::optional<FeeResult> report = consultingFee({"3500", FeeDocument::Report, kChemical, kSensitive, "2"});
    ASSERT_TRUE(report);
    ASSERT_EQ(report->report.size(), 5);
    EXPECT_EQ(report->report[2], QStringLiteral("    注："));
    const std::optional<FeeResult> large = consultingFee({"100001", FeeDocument::ReportForm, kChemical, kSensitive, "2"});
    ASSERT_TRUE(large);
    EXPECT_EQ(large->report[1],
              QStringLiteral("    评估环境影响报告表的费用为:2万元以上，计价格[2002]125号文件规定，好象没有上限！"));
}

TEST(ConsultingFee, InputsThatAreNoNumberGiveNoResult)
{
    EXPECT_FALSE(consultingFee({"", FeeDocument::Report, kChemical, kSensitive, "2"}));
    EXPECT_FALSE(consultingFee({"abc", FeeDocument::Report, kChemical, kSensitive, "2"}));
    EXPECT_FALSE(consultingFee({"1E39", FeeDocument::Report, kChemical, kSensitive, "2"}));
    EXPECT_FALSE(consultingFee({"3500", FeeDocument::ReportForm, kChemical, kSensitive, ""}));
    // The number of topics matters to a report form only.
    EXPECT_TRUE(consultingFee({"3500", FeeDocument::Report, kChemical, kSensitive, "x"}));
    // A fee cut to nothing (zero) reads back as 0.
    const std::optional<FeeResult> zero = consultingFee({"3500", FeeDocument::ReportForm, kChemical, kSensitive, "-2"});
    ASSERT_TRUE(zero);
    EXPECT_EQ(SingleText(zero->compiling), QStringLiteral("0"));
}

// A fee beyond the single range is infinite, as every stored single is; it
// must never be cut to nothing and shown as 0.
TEST(ConsultingFee, FeesBeyondTheSingleRangeShowTheInfiniteText)
{
    const struct
    {
        const char *name;
        QString topics;
        QString line;
    } cases[] = {
        {"1e40 topics", "1e40", QStringLiteral("    编制环境影响报告表的费用为:无穷大万元")},
        {"1e300 topics", "1e300", QStringLiteral("    编制环境影响报告表的费用为:无穷大万元")},
        {"-1e40 topics", "-1e40", QStringLiteral("    编制环境影响报告表的费用为:-无穷大万元")},
    };
    for (const auto &c : cases) {
        const std::optional<FeeResult> fee = consultingFee({"3500", FeeDocument::ReportForm, kChemical, kSensitive, c.topics});
        ASSERT_TRUE(fee) << c.name;
        EXPECT_EQ(fee->report[0], c.line) << c.name;
        EXPECT_EQ(fee->report[1], QStringLiteral("    评估环境影响报告表的费用为:0.82059万元")) << c.name;
    }
}

} // namespace
