#include "lookups/unit_converter.h"

#include "common/files/data_file.h"
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <QSet>
#include <cmath>

namespace corvalen {

namespace {

const QString kFile = QStringLiteral(":/data/lookups/unit_relations.txt");

} // namespace

std::optional<QStringList> UnitTables::relationsOf(const QString &category) const
{
    for (const UnitCategory &c : categories) {
        if (c.name == category)
            return c.relations;
    }
    return std::nullopt;
}

const UnitConversion *UnitTables::conversionOf(const QString &relation) const
{
    for (const UnitConversion &c : conversions) {
        if (c.key == relation)
            return &c;
    }
    return nullptr;
}

UnitTables parseUnitTables(const QString &text)
{
    UnitTables tables;
    QSet<QString> keys;
    for (const DataFileLine &line : dataFileLines(text)) {
        if (line.key == QLatin1String("category")) {
            if (line.value.isEmpty())
                throw DataFileFailure{line.number, QStringLiteral("a category without a name")};
            tables.categories.append({line.value, {}});
        } else if (line.key == QLatin1String("relation")) {
            if (tables.categories.isEmpty())
                throw DataFileFailure{line.number, QStringLiteral("a relation before the first category")};
            const QStringList cells = splitDataCells(line.value, line.number);
            if (cells.size() != 1 && cells.size() != 4)
                throw DataFileFailure{line.number, QStringLiteral("a relation has its text alone or text, factor and two units")};
            if (cells[0].isEmpty() || keys.contains(cells[0]))
                throw DataFileFailure{line.number, QStringLiteral("an empty or repeated relation text")};
            keys.insert(cells[0]);
            tables.categories.last().relations.append(cells[0]);
            if (cells.size() == 4) {
                const std::optional<double> factor = ToDouble(cells[1]);
                if (!factor)
                    throw DataFileFailure{line.number, QStringLiteral("the factor is no number")};
                tables.conversions.append({cells[0], *factor, cells[2], cells[3]});
            }
        } else {
            throw DataFileFailure{line.number, QStringLiteral("unknown key \"%1\"").arg(line.key)};
        }
    }
    return tables;
}

const UnitTables &unitTables()
{
    static const UnitTables tables = loadBuiltInDataFile(kFile, parseUnitTables);
    return tables;
}

std::optional<QString> convertUnitValue(const QString &value, double factor)
{
    const std::optional<double> number = ToDouble(value);
    if (!number)
        return std::nullopt;
    const std::optional<double> product = Finite(*number * factor);
    if (!product)
        return std::nullopt;
    return DoubleText(*product);
}

} // namespace corvalen
