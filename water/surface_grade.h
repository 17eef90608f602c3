#pragma once

// The work grade of a surface-water assessment: from the daily sewage
// discharge, the kinds of pollutant it carries, the number of water-quality
// parameters to predict and the receiving water (river or lake by size, bay
// by type), the grades for ranges of the water-quality classes I to V.

#include <QString>
#include <optional>

namespace corvalen {

// The captions of the receiving-water tabs; the report is chosen by them.
inline constexpr QStringView kRiverTab = u"河流与河口（1）";
inline constexpr QStringView kLakeTab = u"湖泊与水库（2）";
inline constexpr QStringView kBayTab = u"海湾（3）";

inline constexpr QStringView kNoGradeRow = u"无分级表上对应的参数";

struct SurfaceGradeInput
{
    QString discharge;        // Q, m³/d, read as a single
    int kindsTicked = 0;      // pollutant kinds ticked, 0 to 4
    QString parameterCount;   // N, read as a double where it is compared
    QString tab;              // caption of the chosen receiving-water tab
    int size = 0;             // 1 large / all bays, 2 medium / small enclosed bay,
                              // 3 small / other bays; 0 none chosen
};

// Discharge band of rivers and lakes, 1 (Q >= 20000) to 5 (Q >= 200);
// none below 200 or for a text that is no number. The bounds are compared
// with the single the text gives.
std::optional<int> riverDischargeBand(const QString &discharge);
// Discharge band of bays, 1 (Q >= 20000) to 5 (below 500).
std::optional<int> bayDischargeBand(const QString &discharge);
// Complexity of the sewage, 1 complex, 2 medium, 3 simple, 4 no kind
// ticked; none where N would be compared and is no number.
std::optional<int> sewageComplexity(int kindsTicked, const QString &parameterCount);

// The report: the header and the lines of the matching row, each ended by
// a line feed, or kNoGradeRow alone.
QString surfaceGradeReport(const SurfaceGradeInput &input);

} // namespace corvalen
