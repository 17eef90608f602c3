#pragma once

// The industrial structure adjustment catalogue as the search window keeps
// it: three classes (鼓励类, 限制类, 淘汰类), each a list of items under its
// headings. Each class is one data file of headings and items, one record
// per item, so that no letter inside an item's text can cut it and no item
// can run into the next.

#include "common/files/data_file.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace corvalen {

struct CatalogueClass
{
    QString name;         // "鼓励类", "限制类" or "淘汰类"
    // One entry per item, as the class text lays it out between two items:
    // CR LF CR LF (not before the first item), the headings that stand
    // before the item, each ended by CR LF, then the item. Headings after
    // the last item make a last entry of their own.
    QStringList entries;
    int items = 0;        // the items the file holds
    bool complete = true; // false while the file lacks items of the published text
};

using CatalogueClassResult = DataFileResult<CatalogueClass>;

// Parses a class file: `class:` once first, then `heading:` and `item:`
// lines in text order (see the README).
CatalogueClassResult parseCatalogueClass(const QString &text, const QString &fileName);

// The class of the name, compared exactly; null for any other text.
const CatalogueClass *catalogueClass(QStringView name);

// The three class names in the order of the window's list.
QStringList catalogueClassNames();

// Whether every class file holds its published text whole.
bool catalogueComplete();

// What a search in the class shows in the result box: the items that hold
// the keyword, or "查无此项目", which a class known to be incomplete
// qualifies on a line of its own.
QString catalogueClassResult(const CatalogueClass &catalogueClass, QStringView keyword);

// What a search shows once its keyword passed the keyword test.
struct CatalogueSearch
{
    std::optional<QString> caption;  // the result frame's new caption; none: unchanged
    QString result;                  // the result box's text
};

// The search in the class named `className` (the list's text, compared
// exactly): no such class empties the result and keeps the caption;
// otherwise the class's caption and catalogueClassResult.
CatalogueSearch searchCatalogue(QStringView className, QStringView keyword);

} // namespace corvalen
