#pragma once

// The keyword search of the look-ups: every item of a stored text that
// holds the keyword, in text order, each listed once.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace corvalen {

// The keyword test of the searches: a keyword is refused when it is empty
// or begins with an ASCII character from 1 to 126 (a digit, a Latin letter,
// a blank, ASCII punctuation or a control character). Chinese text and
// full-width forms (１, Ａ, （) pass.
bool KeywordAccepted(QStringView keyword);

// What the searches say when the keyword test refuses a keyword.
QString refusedKeywordMessage();

// Searches the items, in order, for the keyword (Latin letters compare
// regardless of case). No hit: nothing. Otherwise the result text: LF and
// the item for every item that holds the keyword, then one more LF.
std::optional<QString> KeywordItemSearch(const QStringList &items, QStringView keyword);

} // namespace corvalen
