#pragma once

#include <QString>

namespace corvalen {

// Every web host and mail address the program shows or opens. They are
// placeholders under the reserved ".example" domain; the paths that menu
// items add to them are fixed by the menu tree.
namespace addresses {
inline const QString portal = QStringLiteral("http://www.pemberlow.example");
inline const QString authorMail = QStringLiteral("author@pemberlow.example");
inline const QString contributorNick = QStringLiteral("环评小助手");
inline const QString contributorMail = QStringLiteral("helper@pemberlow.example");
inline const QString forum = QStringLiteral("http://bbs.pemberlow.example");
// The instant-messenger number of the about box's contact note (a
// placeholder too).
inline const QString messengerNumber = QStringLiteral("00000000");
} // namespace addresses

// The address of a site named in the menu tree ("portal", "chem-helper", ...)
// joined with `path`; an unknown site gives an empty text.
QString siteAddress(const QString &site, const QString &path = QString());

} // namespace corvalen
