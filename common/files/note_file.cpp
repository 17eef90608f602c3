#include "common/files/note_file.h"

#include "common/files/data_file.h"

#include <QHash>

namespace corvalen {

QString parseNote(const QString &text)
{
    if (text.isEmpty())
        throw DataFileFailure{1, QStringLiteral("an empty note")};
    // Lines break with LF or CR LF; a CR alone is no break a box shows.
    for (qsizetype i = text.indexOf(QLatin1Char('\r')); i >= 0; i = text.indexOf(QLatin1Char('\r'), i + 1)) {
        if (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n'))
            throw DataFileFailure{int(text.left(i).count(QLatin1Char('\n'))) + 1,
                                  QStringLiteral("a carriage return without a line feed")};
    }
    return text;
}

const QString &noteText(const QString &toolbox, const QString &file)
{
    static QHash<QString, QString> notes;
    const QString path = QStringLiteral(":/data/%1/notes/%2").arg(toolbox, file);
    auto it = notes.constFind(path);
    if (it == notes.constEnd())
        it = notes.insert(path, loadBuiltInDataFile(path, parseNote));
    return *it;
}

} // namespace corvalen
