#include "shell/help_topics.h"

#include "common/files/addresses.h"
#include "common/files/data_file.h"
#include "shell/main_window.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace corvalen {
namespace {

constexpr const char *topicFile = ":/data/shell/help_topics.txt";

// The stand-ins the file may use for texts the program keeps elsewhere.
QHash<QString, QString> placeholders()
{
    return {
        {QStringLiteral("edition"), MainWindow::caption()},
        {QStringLiteral("portal"), addresses::portal},
        {QStringLiteral("forum"), addresses::forum},
        {QStringLiteral("authorMail"), addresses::authorMail},
        {QStringLiteral("contributorMail"), addresses::contributorMail},
    };
}

// Replaces every {name}; false for an unknown name.
bool expand(QString &line, const QHash<QString, QString> &values)
{
    static const QRegularExpression pattern(QStringLiteral("\\{([A-Za-z]+)\\}"));
    QString out;
    qsizetype from = 0;
    auto it = pattern.globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const auto value = values.constFind(match.captured(1));
        if (value == values.constEnd())
            return false;
        out += line.mid(from, match.capturedStart() - from) + *value;
        from = match.capturedEnd();
    }
    line = out + line.mid(from);
    return true;
}

} // namespace

QString helpPaneText(const HelpTopic &topic)
{
    const QString body = topic.lines.join(QLatin1Char('\n'));
    return topic.titleInPane ? topic.title + QLatin1Char('\n') + body : body;
}

const HelpTopic *helpTopicByTitle(const QList<HelpTopic> &topics, const QString &title)
{
    for (const HelpTopic &topic : topics) {
        if (topic.title == title)
            return &topic;
    }
    return nullptr;
}

namespace {

QList<HelpTopic> parseTopics(const QString &text)
{
    const QHash<QString, QString> values = placeholders();
    QList<HelpTopic> topics;
    QList<int> topicLines;
    QSet<QString> keys;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        auto fail = [&](const QString &why) { throw DataFileFailure{i + 1, why}; };
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('|'))) {
            if (topics.isEmpty())
                fail(QStringLiteral("text line before the first topic"));
            QString textLine = line.mid(1);
            if (!expand(textLine, values))
                fail(QStringLiteral("unknown placeholder"));
            topics.last().lines.append(textLine);
            continue;
        }
        if (!line.startsWith(QLatin1Char('@')))
            fail(QStringLiteral("neither a topic nor a text line"));
        const QStringList cols = line.mid(1).split(QLatin1Char('\t'));
        if (cols.size() < 3 || cols.size() > 4)
            fail(QStringLiteral("a topic needs key, parent and title"));
        HelpTopic topic;
        topic.key = cols.at(0);
        topic.parent = cols.at(1) == QLatin1String("-") ? QString() : cols.at(1);
        topic.title = cols.at(2);
        if (cols.size() == 4) {
            if (cols.at(3) != QLatin1String("notitle"))
                fail(QStringLiteral("unknown flag ") + cols.at(3));
            topic.titleInPane = false;
        }
        if (topic.key.isEmpty() || topic.title.isEmpty())
            fail(QStringLiteral("empty key or title"));
        if (keys.contains(topic.key))
            fail(QStringLiteral("key used twice: ") + topic.key);
        if (!topic.parent.isEmpty()
            && (!keys.contains(topic.parent) || !topic.key.startsWith(topic.parent)))
            fail(QStringLiteral("parent unknown or not a prefix of the key"));
        keys.insert(topic.key);
        topics.append(topic);
        topicLines.append(i + 1);
    }
    for (int t = 0; t < topics.size(); ++t) {
        if (topics[t].lines.isEmpty())
            throw DataFileFailure{topicLines[t], QStringLiteral("topic %1 has no text").arg(topics[t].key)};
    }
    return topics;
}

} // namespace

std::optional<QList<HelpTopic>> parseHelpTopics(const QString &text, QString *error)
{
    try {
        return parseTopics(text);
    } catch (const DataFileFailure &failure) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(failure.line).arg(failure.reason);
        return std::nullopt;
    }
}

QList<HelpTopic> parseHelpTopicFile(const QString &text)
{
    return parseTopics(text);
}

const QList<HelpTopic> &helpTopics()
{
    static const QList<HelpTopic> topics = loadBuiltInDataFile(QString::fromLatin1(topicFile), parseTopics);
    return topics;
}

} // namespace corvalen
