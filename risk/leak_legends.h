#pragma once

#include <QString>

namespace corvalen {

// The legends (Label2) under the formula pictures of the three leak windows,
// explaining the symbols; lines joined by line breaks.
QString liquidLeakLegend();
QString gasLeakLegend();
QString twoPhaseLeakLegend();

} // namespace corvalen
