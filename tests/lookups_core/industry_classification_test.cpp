// The classification text built from the published table, and the keyword
// search over it.
#include "lookups/industry_classification.h"
#include "lookups/keyword_search.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const IndustryClassification &data()
{
    return IndustryClassification::builtIn();
}

// The entries of a keyword search, without their leading LF and trailing CR.
QStringList entries(const QString &keyword)
{
    const std::optional<QString> found = KeywordItemSearch(data().lines(), keyword);
    if (!found)
        return {};
    EXPECT_TRUE(found->startsWith(u'\n') && found->endsWith(QStringLiteral("\r\n")));
    QStringList out = found->split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : out)
        line.chop(1);
    return out;
}

TEST(IndustryClassification, SectionsHoldTheirDivisionsGroupsAndClasses)
{
    const struct { char letter; int divisions, groups, classes; } counts[] = {
        {'A', 5, 9, 38}, {'B', 6, 5, 33}, {'C', 30, 102, 482}, {'D', 3, 1, 10}, {'E', 4, 1, 11},
        {'F', 9, 7, 37}, {'G', 3, 3, 14}, {'H', 2, 17, 93}, {'I', 2, 0, 7}, {'J', 4, 0, 16},
        {'K', 1, 0, 4}, {'L', 2, 6, 27}, {'M', 4, 2, 23}, {'N', 3, 4, 18}, {'O', 2, 2, 16},
        {'P', 1, 3, 13}, {'Q', 3, 2, 17}, {'R', 5, 3, 29}, {'S', 5, 4, 24}, {'T', 1, 0, 1},
    };
    static const QRegularExpression code(QStringLiteral("^(\\d+) "));
    int total[3] = {0, 0, 0};
    for (const auto &c : counts) {
        const QString section = data().section(QLatin1Char(c.letter));
        ASSERT_TRUE(section.startsWith(QLatin1Char(c.letter))) << c.letter;
        ASSERT_TRUE(section.endsWith(QStringLiteral("\r\n"))) << c.letter;
        int found[3] = {0, 0, 0};
        for (const QString &line : section.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch m = code.match(line);
            if (m.hasMatch())
                ++found[m.captured(1).size() - 2];
        }
        EXPECT_EQ(found[0], c.divisions) << c.letter;
        EXPECT_EQ(found[1], c.groups) << c.letter;
        EXPECT_EQ(found[2], c.classes) << c.letter;
        for (int i = 0; i < 3; ++i)
            total[i] += found[i];
    }
    EXPECT_EQ(total[0], 95);
    EXPECT_EQ(total[1], 171);
    EXPECT_EQ(total[2], 913);
    EXPECT_EQ(data().text().indexOf(QLatin1Char('A'), 58), 58) << "the first section letter at position 59";
    EXPECT_TRUE(data().section('A').endsWith(QStringLiteral("0540 渔业服务业\r\n")));
    EXPECT_EQ(data().section('T'), QStringLiteral("T 国际组织\r\n98 国际组织\r\n9800 国际组织\r\n"));
    EXPECT_TRUE(data().text().endsWith(QStringLiteral("9800 国际组织\r\n")));
}

TEST(IndustryClassification, KeywordSearches)
{
    EXPECT_EQ(entries(QStringLiteral("化工")),
              QStringList({QStringLiteral("362 化工、木材、非金属加工专用设备制造"), QStringLiteral("3621 炼油、化工生产专用设备制造"),
                           QStringLiteral("3643 日用化工专用设备制造"), QStringLiteral("636 矿产品、建材及化工产品批发 "),
                           QStringLiteral("6369 其他化工产品批发 ")}));
    const QStringList education = entries(QStringLiteral("教育"));
    ASSERT_EQ(education.size(), 17);
    EXPECT_EQ(education.front(), QStringLiteral("P 教育"));
    EXPECT_EQ(education[1], QStringLiteral("84 教育"));
    EXPECT_EQ(education.back(), QStringLiteral("8499 其他未列明的教育"));
    EXPECT_EQ(entries(QStringLiteral("采矿业")),
              QStringList({QStringLiteral("B 采矿业"), QStringLiteral("11 其他采矿业 "), QStringLiteral("1100 其他采矿业 ")}));
    EXPECT_TRUE(entries(QStringLiteral("国民经济")).isEmpty()) << "the header is not searched";
}

TEST(KeywordItemSearch, KeywordTest)
{
    const struct { const char16_t *keyword; bool accepted; } cases[] = {
        // The windows try blanks, digits, letters and full-width forms.
        {u"~x", false}, {u"\x01", false}, {u"太阳能", true}, {u"Ａ", true}, {u"\x7f", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KeywordAccepted(QStringView(c.keyword)), c.accepted) << QString::fromUtf16(c.keyword).toStdString();
    const QString longKeyword(10000, QChar(u'化'));
    EXPECT_EQ(KeywordItemSearch(data().lines(), longKeyword), std::nullopt);
}

} // namespace
