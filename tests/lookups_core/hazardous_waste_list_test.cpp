// The hazardous waste list text and the look-ups of the query window.
#include "lookups/hazardous_waste_list.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString &list()
{
    return hazardousWasteListText();
}

// A small list with body lines that name other codes, one at a line start
// in lower case only where a heading could be mistaken.
const QString kFixture = QStringLiteral("HW01\r\n甲废物\r\n来源一\r\n——含HW02的残渣\r\n组分\r\n"
                                        "HW02\r\n乙废物\r\n——乙来源\r\n"
                                        "HW47\r\n末废物\r\n末组分\r\n");

TEST(HazardousWasteList, EveryCodeOfTheListHasItsHeadingAndName)
{
    const QStringList codes = hazardousWasteCodes();
    ASSERT_EQ(codes.size(), 47);
    EXPECT_EQ(codes[8], QStringLiteral("HW09"));
    EXPECT_EQ(codes[9], QStringLiteral("HW10"));
    for (const QString &code : codes) {
        const std::optional<QString> heading = wasteCodeAndName(list(), code);
        ASSERT_TRUE(heading) << code.toStdString();
        EXPECT_TRUE(heading->startsWith(code + QStringLiteral("\r\n")) && heading->endsWith(u'\r')) << code.toStdString();
    }
    EXPECT_EQ(wasteCodeAndName(list(), u"HW11"), QStringLiteral("HW11\r\n精(蒸) 馏残渣\r")) << "the blank is kept";
}

TEST(HazardousWasteList, LookUpsOnAFixture)
{
    const struct { const char *name; const char16_t *typed; std::optional<QString> entry; } cases[] = {
        {"a code", u"HW02", QStringLiteral("HW02\r\n乙废物\r\n——乙来源\r")},
        {"a code in lower case", u"hw01", QStringLiteral("HW01\r\n甲废物\r\n来源一\r\n——含HW02的残渣\r\n组分\r")},
        {"the last code exactly", u"HW47", QStringLiteral("HW47\r\n末废物\r\n末组分\r")},
        {"the last code in lower case finds no heading after it", u"hw47", std::nullopt},
        {"the start of a body line", u"——含", QStringLiteral("——含HW02的残渣\r\n组分\r")},
        {"a code inside a line is no heading", u"HW02的残渣", std::nullopt},
        {"a code's beginning", u"HW0", QStringLiteral("HW01\r\n甲废物\r\n来源一\r\n——含HW02的残渣\r\n组分\r")},
        {"nowhere", u"HW48", std::nullopt},
        {"a blank after the code", u"HW02 ", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wasteEntry(kFixture, QStringView(c.typed)), c.entry) << c.name;
    EXPECT_EQ(wasteCodeAndName(kFixture, u"HW02"), QStringLiteral("HW02\r\n乙废物\r"));
    EXPECT_EQ(wasteCodeAndName(kFixture, u"HW03"), std::nullopt);
    EXPECT_EQ(wasteEntry(QString(), u"HW01"), std::nullopt);
    EXPECT_EQ(wasteEntry(QStringLiteral("HW01\r\n甲\r\n"), u"HW47"), std::nullopt) << "a list without the last code";
    EXPECT_EQ(wasteEntry(QStringLiteral("HW01"), u""), std::nullopt) << "no heading after the text";
    EXPECT_EQ(wasteCodeAndName(QStringLiteral("HW01\r\n甲"), u"HW01"), std::nullopt) << "a name line without its end";
    const QString longText(100000, u'废');
    EXPECT_EQ(wasteEntry(list(), longText), std::nullopt);
}

// Whether the blocks hold their published bodies is the file's to say, so
// that the windows stop warning once the bodies are dropped in.
TEST(HazardousWasteList, CompletenessComesFromTheFile)
{
    QString whole;
    for (const QString &code : hazardousWasteCodes())
        whole += QStringLiteral("code: %1\nname: 某废物\n").arg(code);
    const struct { const char *name; QString key; bool complete; } cases[] = {
        {"no key: whole", QString(), true},
        {"said whole", QStringLiteral("complete: yes\n"), true},
        {"said incomplete, after a comment", QStringLiteral("# 缺正文\ncomplete: no\n"), false},
    };
    for (const auto &c : cases) {
        const HazardousWasteListResult r = parseHazardousWasteList(c.key + whole, QStringLiteral("l.list"));
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error.toStdString();
        EXPECT_EQ(r.file.complete, c.complete) << c.name;
        EXPECT_TRUE(r.file.text.startsWith(QStringLiteral("HW01\r\n某废物\r\nHW02\r\n"))) << c.name;
    }
    EXPECT_FALSE(hazardousWasteList().complete) << "the built-in list lacks the bodies of HW02 to HW47";
}

TEST(HazardousWasteList, AFaultNamesTheFileLineAndReason)
{
    QString whole;
    for (const QString &code : hazardousWasteCodes())
        whole += QStringLiteral("code: %1\nname: 某废物\n").arg(code);
    EXPECT_TRUE(parseHazardousWasteList(whole, QStringLiteral("l.list")).ok());
    const struct { QString text; const char *error; } cases[] = {
        {QStringLiteral("code: HW02\n"), "l.list:1: expected code: HW01"},
        {QStringLiteral("code: HW01\ncode: HW02\n"), "l.list:2: the block before has no name:"},
        {QStringLiteral("code: HW01\nline: 来源\n"), "l.list:2: line: must follow a name:"},
        {QStringLiteral("code: HW01\nname: 某废物\nline: hw02 混入\n"), "l.list:3: only a code may begin with HW"},
        {QStringLiteral("code: HW01\nname: 某废物\n"), "l.list:2: the list must end with the named block HW47"},
        {whole + QStringLiteral("code: HW48\n"), "l.list:95: a block after HW47"},
        {QStringLiteral("complete: maybe\n") + whole, "l.list:1: complete takes yes or no"},
        {QStringLiteral("code: HW01\ncomplete: no\n"), "l.list:2: complete: must come first, once"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseHazardousWasteList(c.text, QStringLiteral("l.list")).error, QString::fromUtf8(c.error))
            << c.text.left(60).toStdString();
}

} // namespace
