#include "shell/data_check.h"

#include "common/files/data_file.h"
#include "common/files/note_file.h"
#include "common/files/reference_table.h"
#include "common/files/rich_text.h"
#include "common/files/sheet_file.h"
#include "lookups/hazardous_waste_list.h"
#include "lookups/industry_catalogue.h"
#include "lookups/industry_classification.h"
#include "lookups/unit_converter.h"
#include "shell/help_topics.h"
#include "shell/menu_tree.h"

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <functional>

namespace corvalen {
namespace {

// The fault of the file at `path`; empty when it is sound.
using FileCheck = std::function<QString(const QString &path)>;

// A parser that throws DataFileFailure, through the shared reader.
template <class Parse>
FileCheck parsedBy(Parse parse)
{
    return [parse](const QString &path) {
        return loadDataFileWith<DataFileResult<decltype(parse(QString()))>>(path, parse).error;
    };
}

// A parser that takes the file's name and gives a result with its error.
template <class Result>
FileCheck parsedWithName(Result (*parse)(const QString &, const QString &))
{
    return [parse](const QString &path) {
        QString error;
        const QString text = readDataFile(path, &error);
        return error.isEmpty() ? parse(text, path).error : error;
    };
}

QString documentFault(const QString &path)
{
    const RichTextFileResult loaded = loadRichTextFile(path);
    if (loaded.ok() && loaded.file.inLabel)
        return path + QStringLiteral(": a document shows its text in its box; box: label is for texts only");
    return loaded.error;
}

QString pictureFault(const QString &path)
{
    QImageReader reader(path);
    return reader.read().isNull() ? path + QStringLiteral(": not a readable picture") : QString();
}

QString drawingFault(const QString &path)
{
    QString error;
    const QString text = readDataFile(path, &error);
    if (error.isEmpty() && !text.contains(QLatin1String("<svg")))
        return path + QStringLiteral(": not an SVG drawing");
    return error;
}

struct FileKind
{
    const char *pattern;  // the path below the data root; "*" stands for one name
    FileCheck check;
};

const QList<FileKind> &fileKinds()
{
    static const QList<FileKind> kinds = {
        {"*/tables/*.table", [](const QString &p) { return loadReferenceTable(p).error; }},
        {"*/formulas/*.table", [](const QString &p) { return loadReferenceTable(p).error; }},
        {"*/formulas/*.text", [](const QString &p) { return loadRichTextFile(p).error; }},
        {"*/texts/*.text", [](const QString &p) { return loadRichTextFile(p).error; }},
        {"*/docs/*.text", documentFault},
        {"*/sheets/*.sheet", [](const QString &p) { return loadSheetFile(p).error; }},
        {"*/notes/*.txt", parsedBy(parseNote)},
        {"lookups/unit_relations.txt", parsedBy(parseUnitTables)},
        {"lookups/catalogue/*.items", parsedWithName(parseCatalogueClass)},
        {"lookups/hazardous_waste_1998.list", parsedWithName(parseHazardousWasteList)},
        {"lookups/classification/*.tsv", parsedBy(&IndustryClassification::fromTable)},
        {"shell/help_topics.txt", parsedBy(parseHelpTopicFile)},
        {"shell/menu.tsv", parsedBy(parseMenuTree)},
        {"shell/*.png", pictureFault},
        {"shell/*.svg", drawingFault},
    };
    return kinds;
}

// Segment by segment: "*" never reaches across a folder.
bool matches(const QString &pattern, const QString &relativePath)
{
    const QStringList want = pattern.split(QLatin1Char('/'));
    const QStringList have = relativePath.split(QLatin1Char('/'));
    if (want.size() != have.size())
        return false;
    for (int i = 0; i < want.size(); ++i) {
        const QRegularExpression segment(QRegularExpression::wildcardToRegularExpression(want[i]));
        if (!segment.match(have[i]).hasMatch())
            return false;
    }
    return true;
}

const FileKind *kindOf(const QString &relativePath)
{
    for (const FileKind &kind : fileKinds()) {
        if (matches(QString::fromLatin1(kind.pattern), relativePath))
            return &kind;
    }
    return nullptr;
}

} // namespace

QStringList dataFileFaults(const QString &root)
{
    QStringList paths;
    QDirIterator files(root, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        paths.append(files.next());
    paths.sort();
    QStringList faults;
    for (const QString &path : paths) {
        const FileKind *kind = kindOf(path.mid(root.size() + 1));
        const QString fault = kind ? kind->check(path) : path + QStringLiteral(": no data file of a known kind");
        if (!fault.isEmpty())
            faults.append(fault);
    }
    return faults;
}

void checkDataFiles()
{
    const QStringList faults = dataFileFaults();
    if (!faults.isEmpty())
        stopOnDataFileFault(faults.join(QLatin1Char('\n')));
}

} // namespace corvalen
