#pragma once

// BOD5 of eight kinds of wastewater from their COD by one empirical straight
// line per kind, BOD5 = a · COD + b (mg/L), in double precision.

#include <QStringView>
#include <optional>
#include <vector>

namespace corvalen {

struct CodBodLine
{
    QStringView caption;  // the row's caption, e.g. 机械废水：
    QStringView codBox;   // the COD box the user types into
    QStringView bodBox;   // the BOD5 box the line writes
    double slope;         // a
    double intercept;     // b, negative for the lines that subtract
};

// The eight rows, top to bottom.
const std::vector<CodBodLine> &codBodLines();

// BOD5 from the COD text; none for a text that is no number (empty, a lone
// sign, letters) or an outcome beyond the double range.
std::optional<double> bod5FromCod(QStringView cod, const CodBodLine &line);

} // namespace corvalen
