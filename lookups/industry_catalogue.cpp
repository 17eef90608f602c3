#include "lookups/industry_catalogue.h"

#include "common/files/data_file.h"
#include "lookups/keyword_search.h"

#include <QList>

namespace corvalen {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct ClassInfo
{
    QString name;
    QString file;     // under :/data/lookups/catalogue/
    QString caption;  // the result frame's caption after a search in it
};

const QList<ClassInfo> &classInfos()
{
    static const QList<ClassInfo> infos = {
        {QStringLiteral("鼓励类"), QStringLiteral("encouraged.items"), QStringLiteral("你查询的关键词属鼓励的有以下项目：")},
        {QStringLiteral("限制类"), QStringLiteral("restricted.items"), QStringLiteral("你查询的关键词属限制类的有以下项目：")},
        {QStringLiteral("淘汰类"), QStringLiteral("eliminated.items"), QStringLiteral("你查询的关键词属淘汰类的有以下项目：")},
    };
    return infos;
}

CatalogueClass parseClass(const QString &text)
{
    CatalogueClass out;
    QString pending;  // the text since the last item
    bool named = false;
    bool completeGiven = false;
    for (const DataFileLine &line : dataFileLines(text)) {
        if (line.key == QLatin1String("class")) {
            if (named)
                throw DataFileFailure{line.number, QStringLiteral("a second class:")};
            if (line.value.isEmpty())
                throw DataFileFailure{line.number, QStringLiteral("class: without a name")};
            out.name = line.value;
            named = true;
            continue;
        }
        if (!named)
            throw DataFileFailure{line.number, QStringLiteral("class: must come first")};
        if (line.key == QLatin1String("complete")) {
            if (completeGiven)
                throw DataFileFailure{line.number, QStringLiteral("a second complete:")};
            out.complete = completeFlag(line);
            completeGiven = true;
            continue;
        }
        if (line.raw.isEmpty())
            throw DataFileFailure{line.number, QStringLiteral("%1: without a text").arg(line.key)};
        if (line.key == QLatin1String("heading")) {
            pending += line.raw + kCrLf;
        } else if (line.key == QLatin1String("item")) {
            out.entries.append((out.entries.isEmpty() ? QString() : kCrLf + kCrLf) + pending + line.raw);
            pending.clear();
            ++out.items;
        } else {
            throw DataFileFailure{line.number, QStringLiteral("unknown key \"%1\"").arg(line.key)};
        }
    }
    if (!named)
        throw DataFileFailure{1, QStringLiteral("no class:")};
    if (!pending.isEmpty()) {
        pending.chop(kCrLf.size());
        out.entries.append((out.entries.isEmpty() ? QString() : kCrLf + kCrLf) + pending);
    }
    return out;
}

const QList<CatalogueClass> &builtInClasses()
{
    static const QList<CatalogueClass> classes = [] {
        QList<CatalogueClass> loaded;
        for (const ClassInfo &info : classInfos()) {
            const QString path = QStringLiteral(":/data/lookups/catalogue/") + info.file;
            CatalogueClass read = loadBuiltInDataFile(path, parseClass);
            if (read.name != info.name)
                stopOnDataFileFault(QStringLiteral("%1: holds the class %2").arg(path, read.name));
            loaded.append(std::move(read));
        }
        return loaded;
    }();
    return classes;
}

} // namespace

CatalogueClassResult parseCatalogueClass(const QString &text, const QString &fileName)
{
    return parseDataFileWith<CatalogueClassResult>(text, fileName, parseClass);
}

const CatalogueClass *catalogueClass(QStringView name)
{
    for (const CatalogueClass &c : builtInClasses()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

QStringList catalogueClassNames()
{
    QStringList names;
    for (const ClassInfo &info : classInfos())
        names.append(info.name);
    return names;
}

bool catalogueComplete()
{
    for (const CatalogueClass &c : builtInClasses()) {
        if (!c.complete)
            return false;
    }
    return true;
}

QString catalogueClassResult(const CatalogueClass &catalogueClass, QStringView keyword)
{
    if (const std::optional<QString> found = KeywordItemSearch(catalogueClass.entries, keyword))
        return *found;
    // A class that lacks items cannot tell that an item is not listed.
    if (!catalogueClass.complete)
        return QStringLiteral("查无此项目\r\n（所附目录文本不完整，查无此项目不表示目录中没有此项目）");
    return QStringLiteral("查无此项目");
}

CatalogueSearch searchCatalogue(QStringView className, QStringView keyword)
{
    for (const ClassInfo &info : classInfos()) {
        if (info.name == className)
            return {info.caption, catalogueClassResult(*catalogueClass(info.name), keyword)};
    }
    return {std::nullopt, QString()};
}

} // namespace corvalen
