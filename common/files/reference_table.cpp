#include "common/files/reference_table.h"

#include "common/files/data_file.h"

#include <QHash>
#include <QPoint>
#include <QRect>


namespace corvalen {

namespace {

// The merge markers of table cells: into the left neighbour, into the cell above.
const QString kMergeLeft = QStringLiteral("<<");
const QString kMergeUp = QStringLiteral("^^");

using Failure = DataFileFailure;

struct PageLines
{
    QList<int> header;
    QList<int> body;
};

ReferenceTable parse(const QString &text)
{
    ReferenceTable table;
    QList<PageLines> pageLines;
    for (const DataFileLine &line : dataFileLines(text)) {
        const int lineNo = line.number;
        const QString &key = line.key;
        const QString &value = line.value;
        auto fail = [&](const QString &why) { throw Failure{lineNo, why}; };
        auto once = [&](QString &field) {
            if (!table.pages.isEmpty())
                fail(key + QStringLiteral(" after the first picture"));
            if (!field.isEmpty())
                fail(key + QStringLiteral(" given twice"));
            if (value.isEmpty())
                fail(key + QStringLiteral(" is empty"));
            field = value;
        };
        if (key == QLatin1String("window")) {
            once(table.window);
            continue;
        }
        if (key == QLatin1String("caption")) {
            once(table.caption);
            continue;
        }
        if (key == QLatin1String("label")) {
            once(table.label);
            continue;
        }
        if (key == QLatin1String("picture")) {
            const QStringList parts = splitDataCells(value, lineNo);
            if (parts.at(0).isEmpty() || parts.size() > 2)
                fail(QStringLiteral("picture needs a control name and at most a button caption"));
            ReferencePage page;
            page.picture = parts.at(0);
            page.button = parts.value(1);
            table.pages.append(page);
            pageLines.append(PageLines());
            continue;
        }
        if (table.pages.isEmpty())
            fail(key + QStringLiteral(" before the first picture"));
        ReferencePage &page = table.pages.last();
        PageLines &where = pageLines.last();
        const bool tableStarted = !page.header.isEmpty() || !page.body.isEmpty();
        if (key == QLatin1String("heading") || key == QLatin1String("title") || key == QLatin1String("unit")) {
            if (tableStarted)
                fail(key + QStringLiteral(" after the table's rows"));
            checkDataMarkup(value, lineNo);
            (key == QLatin1String("heading") ? page.headings
             : key == QLatin1String("title") ? page.titles : page.units).append(value);
        } else if (key == QLatin1String("align")) {
            if (tableStarted || !page.align.isEmpty())
                fail(QStringLiteral("align must come once, before the rows"));
            for (QChar ch : value)
                if (ch != QLatin1Char('l') && ch != QLatin1Char('c') && ch != QLatin1Char('r'))
                    fail(QStringLiteral("align takes only l, c and r"));
            if (value.isEmpty())
                fail(QStringLiteral("align is empty"));
            page.align = value;
        } else if (key == QLatin1String("header") || key == QLatin1String("row")) {
            const bool isHeader = key == QLatin1String("header");
            if (isHeader && !page.body.isEmpty())
                fail(QStringLiteral("header after a body row"));
            if (!page.notes.isEmpty() || !page.sources.isEmpty())
                fail(key + QStringLiteral(" after a note or source"));
            if (page.align.isEmpty())
                fail(QStringLiteral("align must come before the rows"));
            const QStringList texts = splitDataCells(value, lineNo);
            if (texts.size() != page.columnCount())
                fail(QStringLiteral("%1 cells where align gives %2 columns").arg(texts.size()).arg(page.columnCount()));
            ReferenceRow row;
            for (const QString &t : texts) {
                checkDataMarkup(t, lineNo);
                row.append(ReferenceCell{t});
            }
            (isHeader ? page.header : page.body).append(row);
            (isHeader ? where.header : where.body).append(lineNo);
        } else if (key == QLatin1String("note") || key == QLatin1String("source")) {
            if (page.body.isEmpty())
                fail(key + QStringLiteral(" before the table's rows"));
            checkDataMarkup(value, lineNo);
            (key == QLatin1String("note") ? page.notes : page.sources).append(value);
        } else {
            fail(QStringLiteral("unknown key \"%1\"").arg(key));
        }
    }

    const int end = dataFileLineCount(text);
    requireWindowAndCaption(table.window, table.caption, end);
    if (table.pages.isEmpty())
        throw Failure{end, QStringLiteral("no picture")};
    const bool paged = table.pages.size() > 1;
    for (int p = 0; p < table.pages.size(); ++p) {
        ReferencePage &page = table.pages[p];
        if (page.body.isEmpty())
            throw Failure{end, QStringLiteral("picture %1 has no rows").arg(page.picture)};
        if (paged == page.button.isEmpty())
            throw Failure{end, paged ? QStringLiteral("picture %1 of several needs a button caption").arg(page.picture)
                                     : QStringLiteral("a single picture takes no button caption")};
        resolveDataMerges(page.header, pageLines[p].header, "header");
        resolveDataMerges(page.body, pageLines[p].body, "body");
    }
    return table;
}

} // namespace

QList<MarkupRun> referenceMarkupRuns(const QString &markup)
{
    QList<MarkupRun> runs;
    QString plain;
    for (int i = 0; i < markup.size(); ++i) {
        const QChar ch = markup.at(i);
        if ((ch == QLatin1Char('_') || ch == QLatin1Char('^')) && i + 1 < markup.size()
            && markup.at(i + 1) == QLatin1Char('{')) {
            const int close = markup.indexOf(QLatin1Char('}'), i + 2);
            if (close > 0) {
                if (!plain.isEmpty())
                    runs.append(MarkupRun{plain, 0});
                plain.clear();
                runs.append(MarkupRun{markup.mid(i + 2, close - i - 2), ch == QLatin1Char('_') ? -1 : 1});
                i = close;
                continue;
            }
        }
        plain += ch;
    }
    if (!plain.isEmpty())
        runs.append(MarkupRun{plain, 0});
    return runs;
}

QString referencePlainText(const QString &markup)
{
    QString plain;
    for (const MarkupRun &run : referenceMarkupRuns(markup))
        plain += run.text;
    return plain;
}

QString ReferenceCell::plainText() const
{
    return referencePlainText(text);
}

QString ReferencePage::bodyText(int row, int column) const
{
    if (row < 0 || row >= body.size() || column < 0 || column >= body[row].size())
        return QString();
    return body[row][column].plainText();
}

namespace {

// The shape the shared reader fills; the table's result names its file
// `table`.
struct Parsed
{
    ReferenceTable file;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

ReferenceTableResult tableResult(Parsed parsed)
{
    return {std::move(parsed.file), std::move(parsed.error)};
}

} // namespace

ReferenceTableResult parseReferenceTable(const QString &text, const QString &fileName)
{
    return tableResult(parseDataFileWith<Parsed>(text, fileName, parse));
}

ReferenceTableResult loadReferenceTable(const QString &path)
{
    return tableResult(loadDataFileWith<Parsed>(path, parse));
}

ReferenceTable loadBuiltInReferenceTable(const QString &path)
{
    return loadBuiltInDataFile(path, parse);
}

// Turns the merge markers of one section (header or body) into spans; every
// merged block must be a rectangle.
void resolveDataMerges(QList<ReferenceRow> &rows, const QList<int> &lines, const char *section)
{
    QList<QList<QPoint>> owner(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString &text = rows[r][c].text;
            if (text == kMergeLeft) {
                if (c == 0)
                    throw DataFileFailure{lines[r], QStringLiteral("<< in the first column")};
                owner[r].append(owner[r][c - 1]);
            } else if (text == kMergeUp) {
                if (r == 0)
                    throw DataFileFailure{lines[r], QStringLiteral("^^ in the first %1 row").arg(QLatin1String(section))};
                owner[r].append(owner[r - 1][c]);
            } else {
                owner[r].append(QPoint(c, r));
            }
        }
    }
    QHash<quint64, QRect> blocks;
    QHash<quint64, int> counts;
    auto key = [](QPoint p) { return (quint64(p.y()) << 32) | quint32(p.x()); };
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const quint64 k = key(owner[r][c]);
            blocks[k] = blocks.contains(k) ? blocks[k].united(QRect(c, r, 1, 1)) : QRect(c, r, 1, 1);
            ++counts[k];
        }
    }
    for (auto it = blocks.cbegin(); it != blocks.cend(); ++it) {
        const QRect box = it.value();
        if (counts.value(it.key()) != box.width() * box.height())
            throw DataFileFailure{lines[box.top()], QStringLiteral("merged cells do not form a rectangle")};
        ReferenceCell &anchor = rows[box.top()][box.left()];
        anchor.rowSpan = box.height();
        anchor.colSpan = box.width();
        for (int r = box.top(); r <= box.bottom(); ++r)
            for (int c = box.left(); c <= box.right(); ++c)
                if (r != box.top() || c != box.left()) {
                    rows[r][c].covered = true;
                    rows[r][c].text.clear();
                }
    }
}

} // namespace corvalen
