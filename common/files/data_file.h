#pragma once

// The line grammar shared by the data files of common/ (handbook tables,
// sheets, rich texts): UTF-8 text, "key: value" lines, "#" comments, table
// rows of cells separated by "|". A fault names the line and the reason.

#include <QList>
#include <QString>
#include <QStringList>

namespace corvalen {

struct DataFileFailure
{
    int line;
    QString reason;
};

// One "key: value" line of a data file; blank and comment lines are skipped.
struct DataFileLine
{
    int number;      // 1-based
    QString key;
    QString value;   // blanks trimmed at both ends
    QString raw;     // the text after "key:" with one blank removed, trailing blanks dropped
};

// Splits a text into its key-value lines; throws DataFileFailure on a line
// without "key:".
QList<DataFileLine> dataFileLines(const QString &text);

// A file that makes a window names the window and its caption; the failure
// is reported at `endLine`, the file's last line.
void requireWindowAndCaption(const QString &window, const QString &caption, int endLine);

// Reads a file (a resource path or a file on disk) as UTF-8. On failure the
// text is empty and `error` names the file and the reason.
QString readDataFile(const QString &path, QString *error);

// The result of reading and parsing one data file into a `File`.
template <class File>
struct DataFileResult
{
    File file;
    QString error;    // "file:line: reason"; empty when the file is sound
    bool ok() const { return error.isEmpty(); }
};

// A data file's parse result: `Result` has `file`, `error` and `ok()`. The
// error names the file, the line and the reason.
template <class Result, class Parse>
Result parseDataFileWith(const QString &text, const QString &fileName, Parse parse)
{
    Result result;
    try {
        result.file = parse(text);
    } catch (const DataFileFailure &failure) {
        result.error = QStringLiteral("%1:%2: %3").arg(fileName).arg(failure.line).arg(failure.reason);
    }
    return result;
}

// Reads the file and parses it, as parseDataFileWith.
template <class Result, class Parse>
Result loadDataFileWith(const QString &path, Parse parse)
{
    Result result;
    const QString text = readDataFile(path, &result.error);
    if (result.ok())
        result = parseDataFileWith<Result>(text, path, parse);
    return result;
}

// Reads a `complete:` line, which says whether a file holds its published
// text whole: "yes" or "no"; anything else throws.
bool completeFlag(const DataFileLine &line);
// Stops the program with the fault of a data file ("file:line: reason").
[[noreturn]] void stopOnDataFileFault(const QString &error);

// Reads and parses a data file that is part of the program. The files are
// compiled in, so a fault is a fault of the build: it stops the program with
// the file, the line and the reason.
template <class Parse>
auto loadBuiltInDataFile(const QString &path, Parse parse)
{
    auto result = loadDataFileWith<DataFileResult<decltype(parse(QString()))>>(path, parse);
    if (!result.ok())
        stopOnDataFileFault(result.error);
    return std::move(result.file);
}

// The number of lines of a text, the last one counted also when it is
// empty: the line a fault found at the end of a file names.
int dataFileLineCount(const QString &text);

// Splits a row's value into cells at unescaped '|', decoding \| \\ and \n;
// every cell trimmed. Throws on an unknown escape.
QStringList splitDataCells(const QString &value, int line);

// Checks the `_{..}` and `^{..}` markup of a text: closed and not nested.
void checkDataMarkup(const QString &text, int line);

} // namespace corvalen
