#include "lookups/keyword_search.h"

namespace corvalen {

bool KeywordAccepted(QStringView keyword)
{
    if (keyword.isEmpty())
        return false;
    const char16_t first = keyword.front().unicode();
    return !(first > 0 && first < 127);
}

std::optional<QString> KeywordItemSearch(const QStringList &items, QStringView keyword)
{
    if (keyword.isEmpty())
        return std::nullopt;
    QString result;
    bool hit = false;
    for (const QString &item : items) {
        if (!item.contains(keyword, Qt::CaseInsensitive))
            continue;
        hit = true;
        result += u'\n';
        result += item;
    }
    if (!hit)
        return std::nullopt;
    result += u'\n';
    return result;
}

} // namespace corvalen
