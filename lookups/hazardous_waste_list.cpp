#include "lookups/hazardous_waste_list.h"

#include "common/files/data_file.h"

namespace corvalen {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kCategories = 47;

QString codeText(int number)
{
    return QStringLiteral("HW%1").arg(number, 2, 10, QLatin1Char('0'));
}

HazardousWasteList parseList(const QString &text)
{
    HazardousWasteList list;
    QString &out = list.text;
    int blocks = 0;
    bool named = false;
    int last = 0;  // the line before, 0 at the first
    for (const DataFileLine &line : dataFileLines(text)) {
        const bool first = last == 0;
        last = line.number;
        if (line.key == QLatin1String("complete")) {
            if (!first)
                throw DataFileFailure{line.number, QStringLiteral("complete: must come first, once")};
            list.complete = completeFlag(line);
        } else if (line.key == QLatin1String("code")) {
            if (blocks > 0 && !named)
                throw DataFileFailure{line.number, QStringLiteral("the block before has no name:")};
            if (blocks == kCategories)
                throw DataFileFailure{line.number, QStringLiteral("a block after %1").arg(codeText(kCategories))};
            if (line.value != codeText(blocks + 1))
                throw DataFileFailure{line.number, QStringLiteral("expected code: %1").arg(codeText(blocks + 1))};
            ++blocks;
            named = false;
            out += line.value + kCrLf;
        } else if (line.key == QLatin1String("name") || line.key == QLatin1String("line")) {
            const bool isName = line.key == QLatin1String("name");
            if (blocks == 0 || isName == named)
                throw DataFileFailure{line.number, isName ? QStringLiteral("name: must follow its code:")
                                                          : QStringLiteral("line: must follow a name:")};
            // Only a heading may begin with HW: the look-ups find blocks so.
            if (line.raw.startsWith(QLatin1String("HW"), Qt::CaseInsensitive))
                throw DataFileFailure{line.number, QStringLiteral("only a code may begin with HW")};
            named = true;
            out += line.raw + kCrLf;
        } else {
            throw DataFileFailure{line.number, QStringLiteral("unknown key \"%1\"").arg(line.key)};
        }
    }
    if (blocks != kCategories || !named)
        throw DataFileFailure{qMax(last, 1), QStringLiteral("the list must end with the named block %1").arg(codeText(kCategories))};
    return list;
}

} // namespace

HazardousWasteListResult parseHazardousWasteList(const QString &text, const QString &fileName)
{
    return parseDataFileWith<HazardousWasteListResult>(text, fileName, parseList);
}

const HazardousWasteList &hazardousWasteList()
{
    static const HazardousWasteList list =
        loadBuiltInDataFile(QStringLiteral(":/data/lookups/hazardous_waste_1998.list"), parseList);
    return list;
}

const QString &hazardousWasteListText()
{
    return hazardousWasteList().text;
}

QStringList hazardousWasteCodes()
{
    QStringList codes;
    for (int i = 1; i <= kCategories; ++i)
        codes.append(codeText(i));
    return codes;
}

std::optional<qsizetype> wasteLineStart(QStringView list, QStringView typed)
{
    for (qsizetype start = 0; start < list.size();) {
        if (list.mid(start).startsWith(typed, Qt::CaseInsensitive))
            return start;
        const qsizetype lf = list.indexOf(u'\n', start);
        if (lf < 0)
            break;
        start = lf + 1;
    }
    if (typed.isEmpty())
        return 0;
    return std::nullopt;
}

std::optional<QString> wasteCodeAndName(QStringView list, QStringView code)
{
    const std::optional<qsizetype> p = wasteLineStart(list, code);
    if (!p)
        return std::nullopt;
    // The first LF after the four characters of the code and its CR LF:
    // the end of the name line.
    const qsizetype q = list.indexOf(u'\n', *p + 6);
    if (q < 0)
        return std::nullopt;
    return list.mid(*p, q - *p).toString();
}

std::optional<QString> wasteEntry(QStringView list, QStringView typed)
{
    const std::optional<qsizetype> p = wasteLineStart(list, typed);
    if (!p)
        return std::nullopt;
    // Only the code typed exactly so reaches to the end of the list; the
    // last block has no heading after it.
    if (typed == u"HW47")
        return list.mid(*p, qMax<qsizetype>(list.size() - 1 - *p, 0)).toString();
    const qsizetype e = list.indexOf(u"\nHW", *p + 1, Qt::CaseInsensitive);
    if (e < 0)
        return std::nullopt;
    return list.mid(*p, e - *p).toString();
}

} // namespace corvalen
