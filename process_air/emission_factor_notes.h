#pragma once

#include <QString>

namespace corvalen {

// The basis note (Text7) of an emission-factor window, by the window's name:
// the handbook and the scope of its factors, as hard-broken lines each
// ended by a line break. Empty for an unknown name.
QString emissionFactorBasisNote(const QString &window);

} // namespace corvalen
