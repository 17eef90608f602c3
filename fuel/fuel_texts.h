#pragma once

#include <QString>

namespace corvalen {

// The stored text `file` of data/fuel/texts (a basis note or a method text),
// its lines joined by line feeds and ended by one. A missing file stops the
// program with its name: the texts are compiled in.
QString fuelText(const QString &file);

} // namespace corvalen
