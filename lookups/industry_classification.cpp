#include "lookups/industry_classification.h"

#include "common/files/data_file.h"
#include "lookups/keyword_search.h"

#include <QHash>
#include <QSet>
#include <utility>

namespace corvalen {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The stored text's header, 58 characters: position 59 holds the letter of
// the first section.
QString header()
{
    return QStringLiteral("国民经济行业分类与代码") + kCrLf + kCrLf + QStringLiteral("（科技统计用）") + kCrLf + kCrLf
           + QStringLiteral("国民经济行业代码 （GB/T 4754—2002 ）") + kCrLf + kCrLf + kCrLf;
}

// Lines the stored text ends with a blank; only those the window's own
// description names are known, the others are kept without one.
const QSet<QString> &blankEnded()
{
    static const QSet<QString> codes = {QStringLiteral("H"), QStringLiteral("11"), QStringLiteral("1100"),
                                        QStringLiteral("636"), QStringLiteral("6361"), QStringLiteral("6369")};
    return codes;
}

struct Row
{
    QString level, code, name;
};

} // namespace

QString classificationResultHeader()
{
    return QStringLiteral("国民经济行业分类与代码\n(科技统计用)\n国民经济行业代码 （GB/T 4754—2002 ）\n\n");
}

IndustryClassification IndustryClassification::fromTable(const QString &table)
{
    QList<Row> rows;
    const QStringList lines = table.split(u'\n');
    bool headingRow = true;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        if (std::exchange(headingRow, false))
            continue;
        const QStringList fields = lines[i].trimmed().split(u'\t');
        static const QSet<QString> levels = {QStringLiteral("section"), QStringLiteral("division"),
                                             QStringLiteral("group"), QStringLiteral("class")};
        if (fields.size() != 3 || !levels.contains(fields[0]))
            throw DataFileFailure{i + 1, QStringLiteral("expected level, code and name")};
        rows.append({fields[0], fields[1], fields[2]});
    }
    // A group is listed only where it is subdivided: not where its one
    // class is the group's code followed by 0.
    QHash<QString, QStringList> classesOfGroup;
    for (const Row &row : rows) {
        if (row.level == QLatin1String("class"))
            classesOfGroup[row.code.left(3)].append(row.code);
    }
    IndustryClassification out;
    out.m_text = header();
    for (const Row &row : rows) {
        if (row.level == QLatin1String("group")) {
            const QStringList classes = classesOfGroup.value(row.code);
            if (classes.size() == 1 && classes.front() == row.code + u'0')
                continue;
        }
        QString line = row.code + u' ' + row.name;
        if (blankEnded().contains(row.code))
            line += u' ';
        out.m_text += line + kCrLf;
        out.m_lines.append(line + u'\r');
    }
    return out;
}

const IndustryClassification &IndustryClassification::builtIn()
{
    static const IndustryClassification classification =
        loadBuiltInDataFile(QStringLiteral(":/data/lookups/classification/gbt4754-2002.tsv"), &fromTable);
    return classification;
}

QString IndustryClassification::section(QChar letter) const
{
    // Latin letters stand after the header only as section letters at the
    // start of a heading line.
    const qsizetype from = header().size();
    const qsizetype start = m_text.indexOf(letter, from);
    if (start < 0 || letter < u'A' || letter > u'T')
        return QString();
    if (letter == u'T')
        return m_text.mid(start);
    const qsizetype end = m_text.indexOf(QChar(letter.unicode() + 1), from);
    return end < start ? m_text.mid(start) : m_text.mid(start, end - start);
}

QString IndustryClassification::sectionResult(QChar letter) const
{
    return classificationResultHeader() + QStringLiteral("你所查询的大类别下有以下记录，你也可以试试关键字检索！\n\n")
           + section(letter);
}

QString IndustryClassification::keywordResult(const QString &keyword) const
{
    const std::optional<QString> found = KeywordItemSearch(m_lines, keyword);
    if (!found)
        return classificationResultHeader() + QStringLiteral("检索无记录，请重新输入");
    return classificationResultHeader() + QStringLiteral("包含你输入关键字的行业类别及其代码如下：\n") + *found;
}

} // namespace corvalen
