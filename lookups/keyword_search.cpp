#include "lookups/keyword_search.h"

namespace corvalen {

bool KeywordAccepted(QStringView keyword)
{
    if (keyword.isEmpty())
        return false;
    const char16_t first = keyword.front().unicode();
    return !(first > 0 && first < 127);
}

QString refusedKeywordMessage()
{
    return QStringLiteral("你输入检索行业类别的关键字为空，或是第一个字符为数字、字母，请检查输入，"
                          "检索行业类别的关键字为中文字符！");
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
