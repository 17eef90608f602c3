#include "common/data_file.h"

#include <QFile>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QStringDecoder>

namespace corvalen {

namespace {

const QString kMergeLeft = QStringLiteral("<<");
const QString kMergeUp = QStringLiteral("^^");

} // namespace

void requireWindowAndCaption(const QString &window, const QString &caption, int endLine)
{
    if (window.isEmpty())
        throw DataFileFailure{endLine, QStringLiteral("no window name")};
    if (caption.isEmpty())
        throw DataFileFailure{endLine, QStringLiteral("no caption")};
}

QList<DataFileLine> dataFileLines(const QString &text)
{
    QList<DataFileLine> result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString raw = lines.at(i);
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        if (raw.trimmed().isEmpty() || raw.startsWith(QLatin1Char('#')))
            continue;
        const int colon = raw.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            throw DataFileFailure{i + 1, QStringLiteral("expected \"key: value\"")};
        QString rest = raw.mid(colon + 1);
        if (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
        while (!rest.isEmpty() && rest.back().isSpace())
            rest.chop(1);
        result.append(DataFileLine{i + 1, raw.left(colon).trimmed(), rest.trimmed(), rest});
    }
    return result;
}

bool completeFlag(const DataFileLine &line)
{
    if (line.value == QLatin1String("yes"))
        return true;
    if (line.value == QLatin1String("no"))
        return false;
    throw DataFileFailure{line.number, QStringLiteral("complete takes yes or no")};
}

void stopOnDataFileFault(const QString &error)
{
    qFatal("%s", qPrintable(error));
}

int dataFileLineCount(const QString &text)
{
    return int(text.count(QLatin1Char('\n'))) + 1;
}

QString readDataFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read").arg(path);
        return QString();
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError()) {
        *error = QStringLiteral("%1: not valid UTF-8").arg(path);
        return QString();
    }
    error->clear();
    return text;
}

// Splits a row's value into cells at unescaped '|', decoding \| \\ and \n.
QStringList splitDataCells(const QString &value, int line)
{
    QStringList cells;
    QString cell;
    for (int i = 0; i < value.size(); ++i) {
        const QChar ch = value.at(i);
        if (ch == QLatin1Char('\\')) {
            if (i + 1 >= value.size())
                throw DataFileFailure{line, QStringLiteral("a backslash ends the line")};
            const QChar next = value.at(++i);
            if (next == QLatin1Char('|') || next == QLatin1Char('\\'))
                cell += next;
            else if (next == QLatin1Char('n'))
                cell += QLatin1Char('\n');
            else
                throw DataFileFailure{line, QStringLiteral("unknown escape \\%1").arg(next)};
        } else if (ch == QLatin1Char('|')) {
            cells.append(cell.trimmed());
            cell.clear();
        } else {
            cell += ch;
        }
    }
    cells.append(cell.trimmed());
    return cells;
}

// Checks the `_{..}` and `^{..}` markup of a text: closed and not nested.
void checkDataMarkup(const QString &text, int line)
{
    bool open = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if ((ch == QLatin1Char('_') || ch == QLatin1Char('^')) && i + 1 < text.size()
            && text.at(i + 1) == QLatin1Char('{')) {
            if (open)
                throw DataFileFailure{line, QStringLiteral("nested sub- or superscript")};
            open = true;
            ++i;
        } else if (ch == QLatin1Char('}') && open) {
            open = false;
        }
    }
    if (open)
        throw DataFileFailure{line, QStringLiteral("sub- or superscript not closed with }")};
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
