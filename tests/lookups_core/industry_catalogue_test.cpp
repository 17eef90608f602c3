// The catalogue's class files, their items as the search lists them, and
// the search within a class.
#include "lookups/industry_catalogue.h"
#include "lookups/keyword_search.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// A class with the items that a text cut at a letter would spoil: capital B
// inside items, an item with no number, two headings before one item and
// headings with no item after them.
const char *const kFixture = R"(# fixture
class: 鼓励类
heading: 第一类  鼓励类 A
heading: 一、信息产业
item: 1.IGBT模块与太阳能逆变器
item: 2.5GB/S光传输设备
item: 无编号的条目，太阳能热水器
heading: 二、轻工
item: 1.高技术绿色电池
heading: 三、其他
heading: 四、空节
)";

CatalogueClass fixture()
{
    const CatalogueClassResult r = parseCatalogueClass(QString::fromUtf8(kFixture), QStringLiteral("fixture.items"));
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    return r.file;
}

TEST(CatalogueClass, EachItemIsOneEntryWithTheTextBetweenItsNeighbours)
{
    const CatalogueClass c = fixture();
    EXPECT_EQ(c.name, QStringLiteral("鼓励类"));
    EXPECT_EQ(c.items, 4);
    EXPECT_EQ(c.entries, QStringList({
                             QStringLiteral("第一类  鼓励类 A\r\n一、信息产业\r\n1.IGBT模块与太阳能逆变器"),
                             QStringLiteral("\r\n\r\n2.5GB/S光传输设备"),
                             QStringLiteral("\r\n\r\n无编号的条目，太阳能热水器"),
                             QStringLiteral("\r\n\r\n二、轻工\r\n1.高技术绿色电池"),
                             QStringLiteral("\r\n\r\n三、其他\r\n四、空节"),
                         }));
}

TEST(CatalogueClass, SearchListsWholeItemsInOrder)
{
    const QStringList entries = fixture().entries;
    const struct { const char *name; const char16_t *keyword; std::optional<QString> result; } cases[] = {
        {"capital B inside items stays inside them", u"设备",
         QStringLiteral("\n\r\n\r\n2.5GB/S光传输设备\n")},
        {"items stay apart, each listed once", u"太阳能",
         QStringLiteral("\n第一类  鼓励类 A\r\n一、信息产业\r\n1.IGBT模块与太阳能逆变器\n\r\n\r\n无编号的条目，太阳能热水器\n")},
        {"full-width letters are not half-width ones", u"ｉgbt模块", std::nullopt},
        {"a heading finds the item after it", u"轻工",
         QStringLiteral("\n\r\n\r\n二、轻工\r\n1.高技术绿色电池\n")},
        {"the class heading finds the first item", u"鼓励类",
         QStringLiteral("\n第一类  鼓励类 A\r\n一、信息产业\r\n1.IGBT模块与太阳能逆变器\n")},
        {"headings after the last item", u"空节", QStringLiteral("\n\r\n\r\n三、其他\r\n四、空节\n")},
        {"no hit", u"核能", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KeywordItemSearch(entries, QStringView(c.keyword)), c.result) << c.name;
    EXPECT_EQ(KeywordItemSearch(entries, u""), std::nullopt);
    EXPECT_EQ(KeywordItemSearch({}, u"太阳能"), std::nullopt);
    EXPECT_EQ(KeywordItemSearch(entries, u"igbt模块"),
              QStringLiteral("\n第一类  鼓励类 A\r\n一、信息产业\r\n1.IGBT模块与太阳能逆变器\n"));
}

TEST(CatalogueClass, AFaultNamesTheFileLineAndReason)
{
    const struct { const char *text; const char *error; } cases[] = {
        {"heading: 一、农林业\n", "f.items:1: class: must come first"},
        {"class: 鼓励类\nclass: 限制类\n", "f.items:2: a second class:"},
        {"class: 鼓励类\nitem:\n", "f.items:2: item: without a text"},
        {"class: 鼓励类\nitme: 1.某项\n", "f.items:2: unknown key \"itme\""},
        {"complete: no\nclass: 鼓励类\n", "f.items:1: class: must come first"},
        {"class: 鼓励类\ncomplete: partly\n", "f.items:2: complete takes yes or no"},
        {"class: 鼓励类\ncomplete: no\ncomplete: yes\n", "f.items:3: a second complete:"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseCatalogueClass(QString::fromUtf8(c.text), QStringLiteral("f.items")).error,
                  QString::fromUtf8(c.error))
            << c.text;
}

// A class file says whether it holds the published items whole; while it
// does not, a search that finds nothing must not read as "not listed".
TEST(CatalogueClass, AnIncompleteClassQualifiesItsNoHit)
{
    const QString notListed = QStringLiteral("查无此项目");
    const QString qualified = notListed + QStringLiteral("\r\n（所附目录文本不完整，查无此项目不表示目录中没有此项目）");
    const struct { const char *name; const char *key; bool complete; QString noHit; } cases[] = {
        {"no key: whole", "", true, notListed},
        {"said whole", "complete: yes\n", true, notListed},
        {"said incomplete", "complete: no\n", false, qualified},
    };
    for (const auto &c : cases) {
        QString text = QString::fromUtf8(kFixture);
        text.replace(QStringLiteral("class: 鼓励类\n"), QStringLiteral("class: 鼓励类\n") + QString::fromUtf8(c.key));
        const CatalogueClassResult r = parseCatalogueClass(text, QStringLiteral("fixture.items"));
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error.toStdString();
        EXPECT_EQ(r.file.complete, c.complete) << c.name;
        EXPECT_EQ(catalogueClassResult(r.file, u"核能"), c.noHit) << c.name;
        EXPECT_EQ(catalogueClassResult(r.file, u"轻工"), QStringLiteral("\n\r\n\r\n二、轻工\r\n1.高技术绿色电池\n"))
            << c.name << ": a hit is shown alike";
    }
}

TEST(BuiltInCatalogue, ClassesHoldTheirHeadingsInOrder)
{
    EXPECT_EQ(catalogueClassNames(), QStringList({QStringLiteral("鼓励类"), QStringLiteral("限制类"), QStringLiteral("淘汰类")}));
    const struct { const char16_t *name; const char16_t *first; const char16_t *last; int sections; } classes[] = {
        {u"鼓励类", u"第一类  鼓励类 A\r\n一、农林业\r\n", u"二十六、环境保护与资源节约综合利用", 26},
        {u"限制类", u"第二类  限制类A\r\n一、农林业\r\n", u"十七、其他", 17},
        {u"淘汰类", u"第三类  淘汰类A\r\n一、落后生产工艺装备\r\n（一）农林业\r\n", u"（十一）其他", 2 + 15 + 11},
    };
    for (const auto &c : classes) {
        const CatalogueClass *found = catalogueClass(QStringView(c.name));
        ASSERT_NE(found, nullptr);
        const QString text = found->entries.join(QString());
        EXPECT_TRUE(text.startsWith(QStringView(c.first))) << found->name.toStdString();
        EXPECT_TRUE(text.endsWith(QStringView(c.last))) << found->name.toStdString();
        // Headings of sections, parts and subsections: a Chinese number and
        // "、", or a bracketed one.
        static const QRegularExpression heading(QStringLiteral("^([一二三四五六七八九十]+、|[（(][一二三四五六七八九十]+[）)])"));
        int sections = 0;
        for (const QString &paragraph : text.split(QStringLiteral("\r\n"))) {
            if (heading.match(paragraph).hasMatch())
                ++sections;
        }
        EXPECT_EQ(sections, c.sections) << found->name.toStdString();
    }
    EXPECT_EQ(catalogueClass(u"鼓励"), nullptr);
    EXPECT_EQ(catalogueClass(u""), nullptr);
}

TEST(BuiltInCatalogue, SearchInAClass)
{
    const CatalogueSearch solar = searchCatalogue(u"鼓励类", u"太阳能");
    EXPECT_TRUE(solar.result.startsWith(QStringLiteral("\n第一类  鼓励类 A\r\n一、农林业\r\n")));
    EXPECT_TRUE(solar.result.endsWith(QStringLiteral("\r\n5.风力发电及太阳能、地热能、海洋能、生物质能等可再生能源开发利用\n")));

    // The class files lack most published items, and say so.
    EXPECT_FALSE(catalogueComplete());
    const CatalogueSearch none = searchCatalogue(u"淘汰类", u"太阳能");
    EXPECT_EQ(none.result, QStringLiteral("查无此项目\r\n（所附目录文本不完整，查无此项目不表示目录中没有此项目）"));

    for (const char16_t *other : {u"", u"鼓励", u"鼓励类 ", u"其他"}) {
        const CatalogueSearch s = searchCatalogue(QStringView(other), u"太阳能");
        EXPECT_EQ(s.caption, std::nullopt);
        EXPECT_EQ(s.result, QString());
    }
}

} // namespace
