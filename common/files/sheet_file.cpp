#include "common/files/sheet_file.h"

#include "common/files/data_file.h"
#include "common/numbers/number_text.h"

#include <QRegularExpression>

namespace corvalen {

namespace {

using Failure = DataFileFailure;

constexpr int kMaxSheetColumns = 26;
constexpr int kMaxSheetRows = 1000;

struct StoredRow
{
    int line;
    int row;  // 0-based
    QStringList cells;
};

struct StoredRange
{
    int line;
    CellRange range;
    CellStyle style;
};

QString rangeText(const CellRange &r)
{
    return cellName(r.top, r.left) + QLatin1Char(':') + cellName(r.bottom, r.right);
}

CellStyle parseStyle(const QStringList &tokens, int line)
{
    static const QRegularExpression color(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    static const QRegularExpression size(QStringLiteral("^([0-9]{1,2})pt$"));
    CellStyle style;
    for (const QString &token : tokens) {
        if (token == QLatin1String("bold")) {
            style.bold = true;
        } else if (color.match(token).hasMatch()) {
            style.color = token.toLower();
        } else if (const auto m = size.match(token); m.hasMatch() && m.captured(1).toInt() >= 6) {
            style.pointSize = m.captured(1).toInt();
        } else {
            throw Failure{line, QStringLiteral("unknown style \"%1\" (bold, #rrggbb or a size such as 9pt)").arg(token)};
        }
    }
    if (tokens.isEmpty())
        throw Failure{line, QStringLiteral("style names no style")};
    return style;
}

void putCell(Sheet &sheet, int row, int column, const QString &text, int line)
{
    if (text.startsWith(QLatin1Char('='))) {
        const std::optional<Formula> formula = parseFormula(QStringView(text).mid(1));
        if (!formula)
            throw Failure{line, QStringLiteral("malformed formula \"%1\"").arg(text)};
        for (const FormulaStep &step : *formula)
            if (step.op == FormulaStep::Reference
                && (step.row >= sheet.rowCount() || step.column >= sheet.columnCount()))
                throw Failure{line, QStringLiteral("formula \"%1\" refers to %2 outside the sheet")
                                        .arg(text, cellName(step.row, step.column))};
        sheet.setInput(row, column, text);
        return;
    }
    const bool quoted = text.startsWith(QLatin1Char('\''));
    if (!quoted && ToDouble(text)) {
        sheet.setInput(row, column, text);
        return;
    }
    const QString markup = quoted ? text.mid(1) : text;
    checkDataMarkup(markup, line);
    const QList<MarkupRun> runs = referenceMarkupRuns(markup);
    if (runs.size() == 1 && runs.first().script == 0)
        sheet.setInput(row, column, QLatin1Char('\'') + markup);
    else
        sheet.setTextRuns(row, column, runs);
}

SheetFile parse(const QString &text)
{
    SheetFile file;
    int columns = 0;
    QList<StoredRow> rows;
    QList<StoredRange> merges;
    QList<StoredRange> styles;
    const QList<DataFileLine> lines = dataFileLines(text);
    for (const DataFileLine &l : lines) {
        auto fail = [&](const QString &why) { throw Failure{l.number, why}; };
        auto once = [&](QString &field) {
            if (!field.isEmpty())
                fail(l.key + QStringLiteral(" given twice"));
            if (l.value.isEmpty())
                fail(l.key + QStringLiteral(" is empty"));
            field = l.value;
        };
        if (l.key == QLatin1String("window")) {
            once(file.window);
        } else if (l.key == QLatin1String("caption")) {
            once(file.caption);
        } else if (l.key == QLatin1String("title")) {
            once(file.title);
        } else if (l.key == QLatin1String("worksheet")) {
            once(file.worksheet);
        } else if (l.key == QLatin1String("columns")) {
            bool number = false;
            const int n = l.value.toInt(&number);
            if (columns != 0)
                fail(QStringLiteral("columns given twice"));
            if (!number || n < 1 || n > kMaxSheetColumns)
                fail(QStringLiteral("columns takes a count from 1 to %1").arg(kMaxSheetColumns));
            columns = n;
        } else if (l.key.startsWith(QLatin1String("row "))) {
            bool number = false;
            const int n = l.key.mid(4).trimmed().toInt(&number);
            if (!number || n < 1 || n > kMaxSheetRows)
                fail(QStringLiteral("\"%1\" needs a row number from 1 to %2").arg(l.key).arg(kMaxSheetRows));
            if (columns == 0)
                fail(QStringLiteral("columns must come before the rows"));
            if (!rows.isEmpty() && n - 1 <= rows.last().row)
                fail(QStringLiteral("row %1 does not follow row %2").arg(n).arg(rows.last().row + 1));
            const QStringList cells = splitDataCells(l.value, l.number);
            if (cells.size() > columns)
                fail(QStringLiteral("%1 cells where the sheet has %2 columns").arg(cells.size()).arg(columns));
            rows.append(StoredRow{l.number, n - 1, cells});
        } else if (l.key == QLatin1String("merge")) {
            const std::optional<CellRange> range = parseCellRange(l.value);
            if (!range || (range->top == range->bottom && range->left == range->right))
                fail(QStringLiteral("merge needs a range of several cells such as A1:B1"));
            merges.append(StoredRange{l.number, *range, {}});
        } else if (l.key == QLatin1String("style")) {
            QStringList tokens = l.value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const std::optional<CellRange> range = tokens.isEmpty() ? std::nullopt : parseCellRange(tokens.takeFirst());
            if (!range)
                fail(QStringLiteral("style needs a range such as E2:F10, then its styles"));
            styles.append(StoredRange{l.number, *range, parseStyle(tokens, l.number)});
        } else {
            fail(QStringLiteral("unknown key \"%1\"").arg(l.key));
        }
    }

    const int end = text.count(QLatin1Char('\n')) + 1;
    requireWindowAndCaption(file.window, file.caption, end);
    if (file.worksheet.isEmpty())
        throw Failure{end, QStringLiteral("no worksheet name")};
    if (rows.isEmpty())
        throw Failure{end, QStringLiteral("no rows")};

    file.sheet = Sheet(rows.last().row + 1, columns);
    for (const StoredRow &row : rows)
        for (int c = 0; c < row.cells.size(); ++c)
            if (!row.cells[c].isEmpty())
                putCell(file.sheet, row.row, c, row.cells[c], row.line);
    auto checkInside = [&](const StoredRange &r, const char *what) {
        if (r.range.bottom >= file.sheet.rowCount() || r.range.right >= columns)
            throw Failure{r.line, QStringLiteral("%1 %2 reaches outside the sheet").arg(QLatin1String(what), rangeText(r.range))};
    };
    for (int i = 0; i < merges.size(); ++i) {
        checkInside(merges[i], "merge");
        for (int j = 0; j < i; ++j)
            if (merges[i].range.intersects(merges[j].range))
                throw Failure{merges[i].line, QStringLiteral("merge %1 overlaps merge %2")
                                                  .arg(rangeText(merges[i].range), rangeText(merges[j].range))};
        file.sheet.addMerge(merges[i].range);
    }
    for (const StoredRange &style : styles) {
        checkInside(style, "style");
        file.sheet.setStyle(style.range, style.style);
    }
    return file;
}

} // namespace

SheetFileResult parseSheetFile(const QString &text, const QString &fileName)
{
    return parseDataFileWith<SheetFileResult>(text, fileName, parse);
}

SheetFileResult loadSheetFile(const QString &path)
{
    return loadDataFileWith<SheetFileResult>(path, parse);
}

} // namespace corvalen
