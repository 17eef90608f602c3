#include "common/files/addresses.h"

#include <QHash>

namespace corvalen {

QString siteAddress(const QString &site, const QString &path)
{
    // The outside chemical-safety sites of the 理化性质 menu and the maker's
    // portal. "MSDS" and "化工助手" open two pages of one site.
    static const QHash<QString, QString> hosts = {
        {QStringLiteral("portal"), addresses::portal},
        {QStringLiteral("accident-db"), QStringLiteral("http://accident-db.example")},
        {QStringLiteral("chem-window"), QStringLiteral("http://chem-window.example")},
        {QStringLiteral("chem-engine"), QStringLiteral("http://chem-engine.example")},
        {QStringLiteral("safety-card"), QStringLiteral("http://safety-card.example")},
        {QStringLiteral("chem-helper"), QStringLiteral("http://chem-helper.example")},
        {QStringLiteral("sds"), QStringLiteral("http://sds.example")},
    };
    const auto it = hosts.constFind(site);
    if (it == hosts.constEnd())
        return QString();
    return *it + path;
}

} // namespace corvalen
