#pragma once

// The hazardous waste list of 1998 as the query window keeps it: one text
// of 47 blocks HW01 to HW47, every line ended by CR LF. A block is its
// heading line (the code), the category name, the sources and the typical
// hazardous components. The look-ups work on the text, as the window reads
// its hidden box.

#include "common/files/data_file.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace corvalen {

struct HazardousWasteList
{
    QString text;          // the list text
    bool complete = true;  // false while blocks lack the published sources and components
};

using HazardousWasteListResult = DataFileResult<HazardousWasteList>;

// Parses the list file (`complete:`, `code:`, `name:`, `line:`; see the
// README) into the list text. The blocks must be HW01 to HW47 in order,
// each with its name, and no other line may begin with "HW".
HazardousWasteListResult parseHazardousWasteList(const QString &text, const QString &fileName);

// The list built in.
const HazardousWasteList &hazardousWasteList();
const QString &hazardousWasteListText();

// The items of the code list: "HW01" to "HW47".
QStringList hazardousWasteCodes();

// Where `typed` stands at the start of a line of `list` (letter case
// ignored), as an index; an empty text stands at the start. None: nowhere.
std::optional<qsizetype> wasteLineStart(QStringView list, QStringView typed);

// The code box's text for a chosen code: the code, CR LF, the name and the
// CR that ends the name line. None when the code is not in the list.
std::optional<QString> wasteCodeAndName(QStringView list, QStringView code);

// The entry shown by a query with `typed`: the block from where the text
// stands to the CR before the next heading; exactly "HW47" gives the last
// block up to the list's final LF. None leaves the entry box as it is.
std::optional<QString> wasteEntry(QStringView list, QStringView typed);

} // namespace corvalen
