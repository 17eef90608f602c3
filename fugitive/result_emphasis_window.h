#pragma once

#include <QColor>

class QLineEdit;

namespace corvalen {

// The results of the tank and leak calculators and their labels: bold
// 9-point type in dark green.
inline const QColor kResultGreen(0, 128, 0);
void emphasiseResult(QLineEdit *box);

} // namespace corvalen
