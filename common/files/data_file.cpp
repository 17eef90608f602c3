#include "common/files/data_file.h"

#include <QFile>
#include <QStringDecoder>

namespace corvalen {

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


} // namespace corvalen
