// The assessment grade of surface water: discharge bands on the single,
// the complexity from the kinds ticked and N, and the reports of the river,
// lake and bay tables.
#include "water/surface_grade.h"

#include <gtest/gtest.h>
#include <optional>

using namespace corvalen;
using namespace Qt::StringLiterals;

namespace {

const QString kHeader = QStringLiteral("依据你所输入的参数，评价工作等级划分建议如下：\n");

QString riverLine(const QString &range, const QString &grade)
{
    return QStringLiteral("    如果该类污水排放地表水") + range + QStringLiteral("类水体,评价等级划分为") + grade + u'\n';
}

QString bayReport(const QString &grade)
{
    return kHeader + QStringLiteral("    建议评价等级划分为") + grade + u'\n';
}

TEST(SurfaceGrade, DischargeBandsOnTheSingle)
{
    const struct { const char *name; QString discharge; std::optional<int> river, bay; } cases[] = {
        {"20000 is the first band", "20000", 1, 1},
        {"just below 20000", "19999.99", 2, 2},
        {"rounds to 20000 as a single", "19999.9995", 1, 1},
        {"10000", "10000", 2, 2},
        {"4999", "4999", 4, 3},
        {"1000", "1000", 4, 3},
        {"500", "500", 5, 4},
        {"499", "499", 5, 5},
        {"200", "200", 5, 5},
        {"199.99", "199.99", std::nullopt, 5},
        {"negative", "-1", std::nullopt, 5},
        {"empty", "", std::nullopt, std::nullopt},
        {"no number", "1万", std::nullopt, std::nullopt},
        {"beyond the single range", "1e39", std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(riverDischargeBand(c.discharge), c.river) << c.name;
        EXPECT_EQ(bayDischargeBand(c.discharge), c.bay) << c.name;
    }
}

TEST(SurfaceGrade, ComplexityFromKindsAndParameters)
{
    const struct { const char *name; int kinds; QString n; std::optional<int> complexity; } cases[] = {
        {"four kinds, N not read", 4, "", 1},
        {"three kinds, N not read", 3, "abc", 1},
        {"two kinds, N = 10", 2, "10", 1},
        {"two kinds, N = 9.99", 2, "9.99", 2},
        {"one kind, N = 7", 1, "7", 2},
        {"one kind, N = 6.9", 1, "6.9", 3},
        {"none ticked", 0, "", 4},
        {"two kinds, N empty", 2, "", std::nullopt},
        {"one kind, N no number", 1, "x", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sewageComplexity(c.kinds, c.n), c.complexity) << c.name;
}

TEST(SurfaceGrade, Reports)
{
    const QString river = kRiverTab.toString();
    const QString bay = kBayTab.toString();
    const QString none = kNoGradeRow.toString();
    const struct { const char *name; SurfaceGradeInput input; QString report; } cases[] = {
        {"small river, band 5",
         {.discharge = "500", .kindsTicked = 1, .parameterCount = "3", .tab = river, .size = 3},
         kHeader + riverLine(u"I-Ⅴ"_s, u"三级"_s)},
        {"medium river, band 2 medium: Latin I and II",
         {.discharge = "10000", .kindsTicked = 2, .parameterCount = "5", .tab = river, .size = 2},
         kHeader + riverLine(u"I-II"_s, u"一级"_s) + riverLine(u"Ⅲ-Ⅴ"_s, u"二级"_s)},
        {"three grades",
         {.discharge = "4000", .kindsTicked = 4, .parameterCount = "", .tab = river, .size = 3},
         kHeader + riverLine(u"I"_s, u"一级"_s) + riverLine(u"II-Ⅳ"_s, u"二级"_s) + riverLine(u"Ⅴ"_s, u"三级"_s)},
        {"below 200 on the river", {.discharge = "199.99", .kindsTicked = 1, .parameterCount = "3", .tab = river,
                                    .size = 1}, none},
        {"no size chosen", {.discharge = "15000", .kindsTicked = 1, .parameterCount = "3", .tab = river}, none},
        {"N no number", {.discharge = "15000", .kindsTicked = 1, .parameterCount = "", .tab = river, .size = 1},
         none},
        {"discharge no number", {.discharge = "", .kindsTicked = 4, .tab = river, .size = 1}, none},
        {"bay band 4 with N no number", {.discharge = "999", .kindsTicked = 2, .parameterCount = "x", .tab = bay,
                                         .size = 1}, bayReport(u"三级"_s)},
        {"bay band 1 complex, small enclosed bay", {.discharge = "30000", .kindsTicked = 3, .tab = bay, .size = 2},
         none},
        {"bay band 1 complex, all bays", {.discharge = "30000", .kindsTicked = 3, .tab = bay, .size = 1},
         bayReport(u"一级"_s)},
        {"bay band 1 simple, other bays", {.discharge = "20000", .kindsTicked = 1, .parameterCount = "1", .tab = bay,
                                           .size = 3}, bayReport(u"二级"_s)},
        {"bay band 2 medium, other bays", {.discharge = "5000", .kindsTicked = 1, .parameterCount = "7", .tab = bay,
                                           .size = 3}, bayReport(u"三级"_s)},
        {"bay band 3 simple, all bays", {.discharge = "1000", .kindsTicked = 1, .parameterCount = "1", .tab = bay,
                                         .size = 1}, bayReport(u"三级"_s)},
        {"bay no type", {.discharge = "500", .kindsTicked = 0, .tab = bay}, none},
    };
    for (const auto &c : cases)
        EXPECT_EQ(surfaceGradeReport(c.input), c.report) << c.name;
}

} // namespace
