#include "atmosphere/work_grade.h"

#include "common/numbers/general_value.h"
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>
#include <limits>

namespace corvalen {
namespace {

// Grade bounds on P (m³/h); both are exact in single precision.
constexpr float kUpperBound = 2.5e9f;
constexpr float kLowerBound = 2.5e8f;

// P in single precision; 0 when a text is no number, Ci is 0 or P lies
// beyond the single range.
float equalStandardRate(const WorkGradeInputs &in)
{
    // t/h over mg/m³: 1e9 mg per tonne.
    const GeneralValue p = GeneralValue(in.emissionRate) / GeneralValue(in.standard) * GeneralValue(1e9);
    const auto value = p.asNumber();
    // Beyond the largest single P is not formed, as a text beyond it is no
    // single either.
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return 0;
    return FiniteSingle(value).value_or(0);
}

} // namespace

WorkGradeResult computeWorkGrade(const WorkGradeInputs &in)
{
    WorkGradeResult r;
    r.equalStandardRate = equalStandardRate(in);
    const float p = r.equalStandardRate;
    if (in.terrain == Terrain::Flat)
        r.grade = p > kUpperBound ? 2 : 3;
    else
        r.grade = p > kUpperBound ? 1 : (p <= kLowerBound ? 3 : 2);

    static const QString kGradeNames[] = {QStringLiteral("一级"), QStringLiteral("二级"), QStringLiteral("三级")};
    r.report = QStringLiteral("    建议评价工作等级：") + kGradeNames[r.grade - 1] + QStringLiteral(" \n")
        + QStringLiteral("    等标排放量为：") + SingleText(p) + QStringLiteral("[m^3/h]\n")
        + QStringLiteral("    建议：可根据项目的性质,总投资和产值,周围地形的复杂程度,环境敏感区的分布情况,"
                         "以及当地大气污染程度,对评价级别作适当调整,但调整幅度上下不应超过一级.");
    return r;
}

} // namespace corvalen
