#include "water/river_profile_bay.h"

#include "common/numbers/number_text.h"
#include "water/river_profile_steps.h"

namespace corvalen {
namespace {

using river::Real;
using river::Single;

struct Bay
{
    float cp = 0, ch = 0, mv = 0, angle = 0, qp = 0, depth = 0;
    float c = 0;  // single precision, rounded to four decimals at every r

    void at(double r, QStringList &values)
    {
        const Real spread = r * (Single(angle) * Single(depth) * Single(mv));
        river::store(Real(ch) + (Single(cp) - Single(ch)) * (1 - exp(-Real(qp) / spread)), c);
        // Rounded to four decimals by way of its text, read back as a single.
        if (const std::optional<float> rounded = ToSingle(ApplyDisplayPattern(c, QStringLiteral("####0.0000"))))
            c = *rounded;
        values << SingleText(c);
    }
};

} // namespace

QString bayReport(const BayInputs &in, ProgressState &bar)
{
    Bay model;
    model.cp = profileInput(in.cp);
    model.ch = profileInput(in.ch);
    model.mv = profileInput(in.mv);
    model.angle = profileInput(in.angle);
    model.qp = profileInput(in.qp);
    model.depth = profileInput(in.depth);
    const QStringList headings{
        QStringLiteral("海湾约 - 新模式计算结果:"),
        QStringLiteral("计算点排放口径向距离r(i)和该处浓度c(i)如下:"),
        QStringLiteral("r(i)     c(i)"),
    };
    return runDistanceProfile(
               headings, in.range, [&model](double r, QStringList &values) { model.at(r, values); }, bar)
        .report;
}

} // namespace corvalen
