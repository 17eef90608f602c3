#pragma once

// The consulting fee of an impact assessment: the compiling and evaluating
// fees read from the table of investment bands (万元 per band limit of the
// investment in 亿元), interpolated linearly, the compiling fee adjusted
// by industry and site sensitivity (a report) or by the number of special
// topics (a report form). Investment, band limits, fees and slopes are
// singles, as the window keeps them.

#include <QString>
#include <QStringList>
#include <optional>

namespace corvalen {

enum class FeeDocument { Report, ReportForm };

struct FeeInput
{
    QString investment;      // 万元, as typed
    FeeDocument document = FeeDocument::Report;
    double industryTerm = 0;     // ki: the industry coefficient less 1
    double sensitivityTerm = 0;  // ks: +0.2 sensitive, -0.2 ordinary
    QString topics;          // the number of special topics, as typed
};

struct FeeBandFees
{
    float compiling = 0;
    float evaluating = 0;
};

// The table fees at the investment I (亿元) for the document.
FeeBandFees bandFees(float investment, FeeDocument document);

struct FeeResult
{
    float investment = 0;  // 亿元
    float compiling = 0;   // C, cut to four decimals
    float evaluating = 0;  // E, cut to five decimals
    QStringList report;    // the lines of the report box
};

// One press of 刷新结果; none when the investment (or, for a report form,
// the number of topics) is no number.
std::optional<FeeResult> consultingFee(const FeeInput &input);

} // namespace corvalen
