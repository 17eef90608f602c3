#include "fuel/fuel_texts.h"

#include <QFile>

namespace corvalen {

QString fuelText(const QString &file)
{
    QFile resource(QStringLiteral(":/data/fuel/texts/") + file);
    if (!resource.open(QIODevice::ReadOnly))
        qFatal("fuel text %s: cannot be read", qPrintable(file));
    return QString::fromUtf8(resource.readAll());
}

} // namespace corvalen
