#pragma once

// The work grade of an air-quality impact assessment from one pollutant's
// equal-standard emission rate P = Qi / Ci and the terrain around the
// project, by the grading table of the atmospheric assessment guideline.

#include <QString>

namespace corvalen {

enum class Terrain { Flat, Complex };

// Qi the emission rate (t/h) and Ci the ambient air-quality standard
// (mg/m³), as typed.
struct WorkGradeInputs
{
    QString emissionRate;
    QString standard;
    Terrain terrain = Terrain::Flat;
};

struct WorkGradeResult
{
    float equalStandardRate = 0;  // P (m³/h); 0 when it cannot be formed
    int grade = 3;                // 1, 2 or 3
    QString report;               // three lines
};

WorkGradeResult computeWorkGrade(const WorkGradeInputs &in);

} // namespace corvalen
