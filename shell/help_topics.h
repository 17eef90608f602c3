#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvalen {

// One topic of the help window's tree.
struct HelpTopic
{
    QString key;     // "R1", "R11", ...; a child's key begins with its parent's
    QString parent;  // empty for a root
    QString title;   // the node's text; also selects the topic on a click
    bool titleInPane = true;
    QStringList lines;
};

// The text the pane shows for a topic: title and lines joined by LF.
QString helpPaneText(const HelpTopic &topic);

// The first topic whose title equals `title` character for character.
const HelpTopic *helpTopicByTitle(const QList<HelpTopic> &topics, const QString &title);

// Parses the topic file (see data/shell/help_topics.txt). On a malformed
// line `error` names the line and the reason and the result is empty.
std::optional<QList<HelpTopic>> parseHelpTopics(const QString &text, QString *error);

// The same parse for the shared reader: throws DataFileFailure.
QList<HelpTopic> parseHelpTopicFile(const QString &text);

// The program's topics, read once from the compiled-in file; a missing or
// malformed file stops the program with the file, the line and the reason.
const QList<HelpTopic> &helpTopics();

} // namespace corvalen
