#include "water/surface_grade.h"

#include "common/numbers/number_text.h"

#include <QStringList>

namespace corvalen {
namespace {

// The grade table of rivers, estuaries, lakes and reservoirs: by discharge
// band (rows), complexity (complex, medium, simple) and size (large, medium,
// small). Each entry lists "class range grade" pairs, in report order. "I"
// and "II" are Latin capitals; Ⅲ, Ⅳ and Ⅴ are the Roman-numeral characters.
const char16_t *const kRiverTable[5][3][3] = {
    {
        {u"I-Ⅲ 一级;Ⅳ-Ⅴ 二级", u"I-Ⅳ 一级;Ⅴ 二级", u"I-Ⅳ 一级;Ⅴ 二级"},
        {u"I-Ⅲ 一级;Ⅳ-Ⅴ 二级", u"I-Ⅳ 一级;Ⅴ 二级", u"I-Ⅳ 一级;Ⅴ 二级"},
        {u"I-II 一级;Ⅲ-Ⅴ 二级", u"I-Ⅲ 一级;Ⅳ-Ⅴ 二级", u"I-Ⅲ 一级;Ⅳ-Ⅴ 二级"},
    },
    {
        {u"I-Ⅲ 一级;Ⅳ-Ⅴ 二级", u"I-Ⅳ 一级;Ⅴ 二级", u"I-Ⅳ 一级;Ⅴ 二级"},
        {u"I-II 一级;Ⅲ-Ⅳ 二级;Ⅴ 三级", u"I-II 一级;Ⅲ-Ⅴ 二级", u"I-II 一级;Ⅲ-Ⅴ 二级"},
        {u"I-Ⅲ 二级;Ⅳ-Ⅴ 三级", u"I 一级;II-Ⅳ 二级;Ⅴ 三级", u"I 一级;II-Ⅳ 二级;Ⅴ 三级"},
    },
    {
        {u"I-II 一级;Ⅲ-Ⅳ 二级;Ⅴ 三级", u"I-II 一级;Ⅲ-Ⅳ 二级;Ⅴ 三级", u"I-II 一级;Ⅲ-Ⅳ 二级;Ⅴ 三级"},
        {u"I-Ⅲ 二级;Ⅳ-Ⅴ 三级", u"I-Ⅲ 二级;Ⅳ-Ⅴ 三级", u"I 一级;II-Ⅳ 二级;Ⅴ 三级"},
        {u"I-II 二级;Ⅲ-Ⅴ 三级", u"I-II 二级;Ⅲ-Ⅴ 三级", u"I-Ⅲ 二级;Ⅳ-Ⅴ 三级"},
    },
    {
        {u"I-Ⅲ 二级;Ⅳ-Ⅴ 三级", u"I-Ⅲ 二级;Ⅳ-Ⅴ 三级", u"I 一级;II-Ⅳ 二级;Ⅴ 三级"},
        {u"I-II 二级;Ⅲ-Ⅴ 三级", u"I-II 二级;Ⅲ-Ⅴ 三级", u"I-Ⅲ 二级;Ⅳ-Ⅴ 三级"},
        {u"I-Ⅳ 三级", u"I-Ⅳ 三级", u"I 二级;II-Ⅴ 三级"},
    },
    // Band 5: the same row for every complexity.
    {
        {u"I-Ⅳ 三级", u"I-Ⅳ 三级", u"I-Ⅴ 三级"},
        {u"I-Ⅳ 三级", u"I-Ⅳ 三级", u"I-Ⅴ 三级"},
        {u"I-Ⅳ 三级", u"I-Ⅳ 三级", u"I-Ⅴ 三级"},
    },
};

// The bay table by band (1 to 4), complexity (complex, medium, simple) and
// bay type (all bays, small enclosed bay, other bays); null: no row. Band 4
// does not test the complexity, so it is also looked up without one.
const char16_t *const kBayTable[4][3][3] = {
    {{u"一级", nullptr, nullptr}, {u"一级", nullptr, nullptr}, {nullptr, u"一级", u"二级"}},
    {{nullptr, u"一级", u"二级"}, {nullptr, u"二级", u"三级"}, {nullptr, u"二级", u"三级"}},
    {{nullptr, u"二级", u"三级"}, {u"三级", nullptr, nullptr}, {u"三级", nullptr, nullptr}},
    {{u"三级", nullptr, nullptr}, {u"三级", nullptr, nullptr}, {u"三级", nullptr, nullptr}},
};

const QString kHeader = QStringLiteral("依据你所输入的参数，评价工作等级划分建议如下：");

QString reportOf(const QStringList &lines)
{
    QString text = kHeader + u'\n';
    for (const QString &line : lines)
        text += line + u'\n';
    return text;
}

QString riverReport(int band, int complexity, int size)
{
    QStringList lines;
    const QString entry = QString::fromUtf16(kRiverTable[band - 1][complexity - 1][size - 1]);
    for (const QString &pair : entry.split(u';')) {
        const QString range = pair.section(u' ', 0, 0);
        const QString grade = pair.section(u' ', 1, 1);
        lines << QStringLiteral("    如果该类污水排放地表水") + range + QStringLiteral("类水体,评价等级划分为") + grade;
    }
    return reportOf(lines);
}

} // namespace

std::optional<int> riverDischargeBand(const QString &discharge)
{
    const std::optional<float> q = ToSingle(discharge);
    if (!q)
        return std::nullopt;
    if (*q >= 20000.0f)
        return 1;
    if (*q >= 10000.0f)
        return 2;
    if (*q >= 5000.0f)
        return 3;
    if (*q >= 1000.0f)
        return 4;
    if (*q >= 200.0f)
        return 5;
    return std::nullopt;
}

std::optional<int> bayDischargeBand(const QString &discharge)
{
    const std::optional<float> q = ToSingle(discharge);
    if (!q)
        return std::nullopt;
    if (*q >= 20000.0f)
        return 1;
    if (*q >= 5000.0f)
        return 2;
    if (*q >= 1000.0f)
        return 3;
    if (*q >= 500.0f)
        return 4;
    return 5;
}

std::optional<int> sewageComplexity(int kindsTicked, const QString &parameterCount)
{
    if (kindsTicked >= 3)
        return 1;
    if (kindsTicked <= 0)
        return 4;
    const std::optional<double> n = ToDouble(parameterCount);
    if (!n)
        return std::nullopt;
    if (kindsTicked == 2)
        return *n >= 10 ? 1 : 2;
    return *n >= 7 ? 2 : 3;
}

QString surfaceGradeReport(const SurfaceGradeInput &input)
{
    const std::optional<int> complexity = sewageComplexity(input.kindsTicked, input.parameterCount);
    const bool sized = input.size >= 1 && input.size <= 3;
    if (input.tab == kRiverTab || input.tab == kLakeTab) {
        const std::optional<int> band = riverDischargeBand(input.discharge);
        if (band && complexity && *complexity <= 3 && sized)
            return riverReport(*band, *complexity, input.size);
        return kNoGradeRow.toString();
    }
    if (input.tab == kBayTab) {
        const std::optional<int> band = bayDischargeBand(input.discharge);
        if (!band || *band > 4 || !sized)
            return kNoGradeRow.toString();
        // The row of band 4 stands for every complexity, none included.
        const int c = *band == 4 ? 1 : complexity.value_or(4);
        if (c > 3)
            return kNoGradeRow.toString();
        if (const char16_t *grade = kBayTable[*band - 1][c - 1][input.size - 1])
            return reportOf({QStringLiteral("    建议评价等级划分为") + QString::fromUtf16(grade)});
        return kNoGradeRow.toString();
    }
    return kNoGradeRow.toString();
}

} // namespace corvalen
