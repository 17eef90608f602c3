// The unit converter driven as a user would: pick a category, a relation,
// type a value.
#include "window_driver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

const QString kConverter = QStringLiteral("万能单位换算");
const QString kLength = QStringLiteral("长度单位查询");
const QString kKmToMile = QStringLiteral("1千米（km）=0.621英里（mile）");

TEST(UnitConverterWindow, OpensWithTheCategoriesAndNothingChosen)
{
    WindowDriver w(kConverter);
    EXPECT_EQ(w.find<QComboBox>("Combo1")->count(), 20);
    EXPECT_EQ(w.text("Combo1"), QString());
    EXPECT_EQ(w.find<QComboBox>("Combo2")->count(), 0);
    EXPECT_EQ(w.text("Label4"), QStringLiteral("千米（km）"));
    EXPECT_EQ(w.text("Label5"), QStringLiteral("英里（mile）"));
    // Nothing converts before a relation is picked.
    w.type("Text1", "3");
    EXPECT_EQ(w.text("Text2"), QString());
}

TEST(UnitConverterWindow, ConvertsAsTheValueIsTyped)
{
    struct Case
    {
        const char *name;
        QString category, relation, value;
        QString from, to, shown;
    };
    const Case cases[] = {
        {"km to mile", kLength, kKmToMile, "3", QStringLiteral("千米（km）"), QStringLiteral("英里（mile）"), "1.863"},
        {"thirty km", kLength, kKmToMile, "30", QStringLiteral("千米（km）"), QStringLiteral("英里（mile）"), "18.63"},
        {"angstrom", kLength, QStringLiteral("1埃=10^-10米（m）"), "1", QStringLiteral("埃"), QStringLiteral("米（m）"),
         "1E-10"},
        {"acre", QStringLiteral("面积单位查询"), QStringLiteral("1英亩（acre）=4.047×10^-3平方公里（km^2）"), "1000",
         QStringLiteral("英亩（acre）"), QStringLiteral("平方公里（km^2）"), "4.047"},
        {"long ton", QStringLiteral("质量单位查询"), QStringLiteral("1吨（t）=0.984长吨（long ton）"), "10",
         QStringLiteral("吨（t）"), QStringLiteral("长吨（long ton）"), "9.84"},
        {"cubic foot", QStringLiteral("体积单位查询"), QStringLiteral("1立方英尺（ft^3）=28.317升（liter）"), "2",
         QStringLiteral("立方英尺（ft^3）"), QStringLiteral("升（liter）"), "56.634"},
        {"negative", kLength, kKmToMile, "-1", QStringLiteral("千米（km）"), QStringLiteral("英里（mile）"), "-0.621"},
        {"closing bracket kept", kLength, QStringLiteral("1码（yd）=3英尺（ft）"), "2", QStringLiteral("码（yd)"),
         QStringLiteral("英尺（ft）"), "6"},
    };
    for (const Case &c : cases) {
        WindowDriver w(kConverter);
        w.choose("Combo1", c.category);
        w.set("Text1", "7");
        w.choose("Combo2", c.relation);
        EXPECT_EQ(w.text("Text1"), QString()) << c.name;
        EXPECT_EQ(w.text("Text2"), QString()) << c.name;
        EXPECT_EQ(w.text("Label4"), c.from) << c.name;
        EXPECT_EQ(w.text("Label5"), c.to) << c.name;
        w.type("Text1", c.value);
        EXPECT_EQ(w.text("Text2"), c.shown) << c.name;
    }
}

TEST(UnitConverterWindow, KeepsTheLastResultWhereNothingConverts)
{
    WindowDriver w(kConverter);
    w.choose("Combo1", kLength);
    w.choose("Combo2", kKmToMile);
    w.type("Text1", "3");
    ASSERT_EQ(w.text("Text2"), "1.863");

    // Letters and a deleted value leave the result standing.
    w.type("Text1", "3a");
    EXPECT_EQ(w.text("Text2"), "1.863");
    w.set("Text1", "");
    EXPECT_EQ(w.text("Text2"), "1.863");

    // A relation without conversion keeps value, result and units.
    w.type("Text1", "3");
    w.choose("Combo1", QStringLiteral("质量单位查询"));
    EXPECT_EQ(w.text("Combo2"), QString());
    EXPECT_EQ(w.find<QComboBox>("Combo2")->count(), 10);
    w.type("Text1", "5");
    EXPECT_EQ(w.text("Text2"), "1.863");
    w.choose("Combo2", QStringLiteral("1千克（kg）=2.205磅（lb）"));
    EXPECT_EQ(w.text("Text1"), "5");
    EXPECT_EQ(w.text("Label4"), QStringLiteral("千米（km）"));
    w.type("Text1", "6");
    EXPECT_EQ(w.text("Text2"), "1.863");
}

TEST(UnitConverterWindow, TypedRelationConvertsOnlyAsAWholeKey)
{
    WindowDriver w(kConverter);
    w.choose("Combo1", kLength);
    w.choose("Combo2", kKmToMile);
    auto *relations = w.find<QComboBox>("Combo2");
    // Typed, not picked: the labels stay, the factor is the typed key's.
    relations->setEditText(QStringLiteral("1英里（mile）=5280英尺（ft）"));
    w.type("Text1", "2");
    EXPECT_EQ(w.text("Text2"), "10560");
    EXPECT_EQ(w.text("Label4"), QStringLiteral("千米（km）"));
    relations->setEditText(QStringLiteral("1英里（mile）=5280英尺"));
    w.type("Text1", "3");
    EXPECT_EQ(w.text("Text2"), "10560");
}

// The longest relations run to eighty characters: the open list is as wide
// as its widest one (within the screen), and a chosen one is read from its
// start, whole in its tooltip.
TEST(UnitConverterWindow, LongRelationsAreReadWhole)
{
    const QString heatTransfer = QStringLiteral("传热系数查询");
    WindowDriver w(kConverter);
    auto *relations = w.find<QComboBox>("Combo2");
    for (const QString &category : {heatTransfer, kLength}) {
        w.choose("Combo1", category);
        QAbstractItemView *view = relations->view();
        int widest = 0;
        for (int i = 0; i < relations->count(); ++i)
            widest = std::max(widest, view->fontMetrics().horizontalAdvance(relations->itemText(i)));
        const int screen = relations->screen()->availableGeometry().width();
        EXPECT_GE(view->minimumWidth(), std::min(widest, screen)) << category.toStdString();
        EXPECT_LE(view->minimumWidth(), screen) << category.toStdString();
        EXPECT_EQ(view->textElideMode(), Qt::ElideRight) << category.toStdString() << ": the factor is never cut out";
    }
    w.choose("Combo1", heatTransfer);
    for (int i = 0; i < relations->count(); ++i) {
        const QString relation = relations->itemText(i);
        w.choose("Combo2", relation);
        EXPECT_EQ(relations->lineEdit()->cursorPosition(), 0) << i << ": shown from its start";
        EXPECT_EQ(relations->toolTip(), relation) << i;
    }
    relations->setEditText(QStringLiteral("1英里"));
    EXPECT_EQ(relations->toolTip(), QStringLiteral("1英里")) << "the tooltip follows a typed text";
}

} // namespace
