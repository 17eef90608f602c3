#include "shell/data_files.h"

#include "common/files/data_file.h"
#include "common/files/note_file.h"
#include "common/files/reference_table.h"
#include "common/files/rich_text.h"
#include "common/files/sheet_file.h"
#include "common/forms/tool_registry.h"
#include "common/views/data_windows.h"
#include "lookups/hazardous_waste_list.h"
#include "lookups/industry_catalogue.h"
#include "lookups/industry_classification.h"
#include "lookups/unit_converter.h"
#include "shell/help_topics.h"
#include "shell/menu_tree.h"

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
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

// One kind of data file: where it stands below the data root ("*" stands
// for one name, never for a folder), how it is checked and, for a file
// that describes a window wholly, the window it makes and its kind.
struct FileKind
{
    QRegularExpression path;
    FileCheck check;
    DataWindow (*window)(const QString &path) = nullptr;
    ToolKind windowKind = ToolKind::Other;
};

QRegularExpression pathPattern(const char *pattern)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(QLatin1String(pattern)));
}

FileKind parsed(const char *pattern, FileCheck check)
{
    return {pathPattern(pattern), std::move(check)};
}

FileKind makesWindow(const char *pattern, DataWindow (*make)(const QString &), ToolKind kind)
{
    return {pathPattern(pattern), [make](const QString &path) { return make(path).error; }, make, kind};
}

// Every kind of data file; the window kinds in the order their windows are
// registered within a toolbox.
const QList<FileKind> &fileKinds()
{
    static const QList<FileKind> kinds = {
        makesWindow("*/tables/*.table", tableWindow, ToolKind::PictureReference),
        makesWindow("*/sheets/*.sheet", sheetWindow, ToolKind::EmbeddedSpreadsheet),
        makesWindow("*/docs/*.text", documentWindow, ToolKind::EmbeddedDocument),
        makesWindow("*/texts/*.text", richTextWindow, ToolKind::RichTextReference),
        parsed("*/formulas/*.table", [](const QString &p) { return loadReferenceTable(p).error; }),
        parsed("*/formulas/*.text", [](const QString &p) { return loadRichTextFile(p).error; }),
        parsed("*/notes/*.txt", parsedBy(parseNote)),
        parsed("lookups/unit_relations.txt", parsedBy(parseUnitTables)),
        parsed("lookups/catalogue/*.items", parsedWithName(parseCatalogueClass)),
        parsed("lookups/hazardous_waste_1998.list", parsedWithName(parseHazardousWasteList)),
        parsed("lookups/classification/*.tsv", parsedBy(&IndustryClassification::fromTable)),
        parsed("shell/help_topics.txt", parsedBy(parseHelpTopicFile)),
        parsed("shell/menu.tsv", parsedBy(parseMenuTree)),
        parsed("shell/*.png", pictureFault),
        parsed("shell/*.svg", drawingFault),
    };
    return kinds;
}

// The row of the file at `relativePath` (below the data root); -1: none.
qsizetype kindOf(const QString &relativePath)
{
    const QList<FileKind> &kinds = fileKinds();
    for (qsizetype row = 0; row < kinds.size(); ++row) {
        if (kinds[row].path.match(relativePath).hasMatch())
            return row;
    }
    return -1;
}

// Every file below `root`, in path order.
QStringList filesBelow(const QString &root)
{
    QStringList paths;
    QDirIterator files(root, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        paths.append(files.next());
    paths.sort();
    return paths;
}

// The files read and parsed soundly so far in this run.
QSet<QString> &filesRead()
{
    static QSet<QString> read;
    return read;
}

} // namespace

void registerDataWindows(ToolRegistry &registry, const QString &root)
{
    // Toolbox by toolbox, and within one by kind (the table's order) and
    // name.
    struct Found
    {
        QString toolbox;
        qsizetype row;
        QString path;
    };
    QList<Found> found;
    for (const QString &path : filesBelow(root)) {
        const QString relative = path.mid(root.size() + 1);
        const qsizetype row = kindOf(relative);
        if (row >= 0 && fileKinds()[row].window)
            found.append({relative.section(QLatin1Char('/'), 0, 0), row, path});
    }
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return std::pair(a.toolbox, a.row) < std::pair(b.toolbox, b.row);
    });
    for (const Found &file : found) {
        const FileKind &kind = fileKinds()[file.row];
        DataWindow window = kind.window(file.path);
        if (!window.error.isEmpty())
            stopOnDataFileFault(window.error);
        noteDataFileRead(file.path);
        registry.add(ToolInfo{window.name, file.toolbox, kind.windowKind, std::move(window.create)});
    }
}

void noteDataFileRead(const QString &path)
{
    filesRead().insert(path);
}

QStringList dataFileFaults(const QString &root)
{
    QStringList faults;
    for (const QString &path : filesBelow(root)) {
        if (filesRead().contains(path))
            continue;
        const qsizetype row = kindOf(path.mid(root.size() + 1));
        const QString fault =
            row >= 0 ? fileKinds()[row].check(path) : path + QStringLiteral(": no data file of a known kind");
        if (!fault.isEmpty())
            faults.append(fault);
    }
    return faults;
}

void checkDataFiles(const QString &root)
{
    const QStringList faults = dataFileFaults(root);
    if (!faults.isEmpty())
        stopOnDataFileFault(faults.join(QLatin1Char('\n')));
}

} // namespace corvalen
