#pragma once

// The unit converter's tables: the categories in list order, each with its
// relations, and the conversions of the converting relations, read from
// data/lookups/unit_relations.txt. A conversion is found by its relation's
// whole text, character by character (full- and half-width forms differ).

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvalen {

struct UnitConversion
{
    QString key;        // the relation text
    double factor = 0;  // result = value × factor
    QString fromUnit;   // what Label4 shows
    QString toUnit;     // what Label5 shows
};

struct UnitCategory
{
    QString name;
    QStringList relations;
};

struct UnitTables
{
    QList<UnitCategory> categories;
    QList<UnitConversion> conversions;  // in relation order

    // The relations of the category whose name equals `category`; empty
    // when none does.
    std::optional<QStringList> relationsOf(const QString &category) const;
    // The conversion whose key equals `relation`, or none.
    const UnitConversion *conversionOf(const QString &relation) const;
};

// The tables compiled into the program; a fault in the file stops the
// program with the file, the line and the reason.
const UnitTables &unitTables();

// Parses a table file; throws DataFileFailure on a bad line.
UnitTables parseUnitTables(const QString &text);

// The converted value's text: the value read as a double times the factor,
// in the default double text. None when the value is no number or the
// product is beyond the double range.
std::optional<QString> convertUnitValue(const QString &value, double factor);

} // namespace corvalen
