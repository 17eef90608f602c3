// The wastewater calculators and water-use tables through their windows:
// COD to BOD5 as the user types, the tannery's twelve amounts and its kept
// M, the hospital, service-area and metal-finishing estimators with their
// worked examples, and the menu items that open them.
#include "common/forms/form.h"
#include "common/forms/tool_registry.h"
#include "shell/main_window.h"
#include "window_script.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kCodBod = QStringLiteral("COD转换BOD");
const QString kTannery = QStringLiteral("制革行业污染物排放量");
const QString kHospital = QStringLiteral("医院水污染物排放");
const QString kServiceArea = QStringLiteral("公路项目生活服务区水污染物");
const QString kMetalFinishing = QStringLiteral("乡镇企业金属表面及热处理业排污量计算");

const QStringList kBod5Boxes = {"Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16"};

QStringList texts(WindowDriver &w, const QStringList &boxes)
{
    QStringList out;
    for (const QString &box : boxes)
        out << w.text(box);
    return out;
}

TEST(CodBodWindow, EveryRowFollowsItsOwnCodBox)
{
    WindowDriver w(kCodBod);
    EXPECT_EQ(texts(w, kBod5Boxes), QStringList(8, QString()));
    for (int row = 1; row <= 8; ++row)
        w.type(QStringLiteral("Text%1").arg(row), "100");
    EXPECT_EQ(texts(w, kBod5Boxes),
              QStringList({"29.12", "12.96", "170.43", "39.59", "74.96", "77.43", "33.98", "65.62"}));
    for (int row = 1; row <= 8; ++row)
        w.type(QStringLiteral("Text%1").arg(row), "0");
    EXPECT_EQ(texts(w, kBod5Boxes),
              QStringList({"1.8", "0.11", "131.21", "-2.49", "13.7", "17.51", "-0.41", "17.02"}));
    w.type("Text4", "5");
    EXPECT_EQ(w.text("Text12"), "-0.386");
    // Each row's box is found by the caption a user reads beside it.
    w.typeByLabel("制药废水：", "100");
    EXPECT_EQ(w.text("Text11"), "170.43");
}

TEST(CodBodWindow, KeystrokesAndDeletionsUpdateTheRow)
{
    WindowDriver w(kCodBod);
    auto *cod = w.find<QLineEdit>("Text1");
    ASSERT_TRUE(cod);
    QStringList seen;
    cod->setFocus();
    for (char key : {'1', '0', '0'}) {
        QTest::keyClick(cod, key);
        seen << w.text("Text9");
    }
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(cod, Qt::Key_Backspace);
        seen << w.text("Text9");
    }
    EXPECT_EQ(seen, QStringList({"2.0732", "4.532", "29.12", "4.532", "2.0732", "2.0732"}));
    // Letters and a lone sign leave the last result.
    w.type("Text1", "-");
    w.type("Text1", "abc");
    EXPECT_EQ(w.text("Text9"), "2.0732");
    // Another row's box changes only its own result.
    w.type("Text3", "100");
    EXPECT_EQ(texts(w, kBod5Boxes), QStringList({"2.0732", "", "170.43", "", "", "", "", ""}));
}

const QStringList kProduced = {"Text2", "Text5", "Text7", "Text9", "Text11", "Text13"};
const QStringList kDischarged = {"Text3", "Text6", "Text8", "Text10", "Text12", "Text14"};

struct TanneryCase
{
    const char *name;
    std::vector<Act> acts;
    QStringList produced;
    QStringList discharged;
};

TEST(TanneryWindow, TwelveAmountsOnAPress)
{
    const QStringList zeros(6, QStringLiteral("0"));
    const TanneryCase cases[] = {
        {"10 t of salted pig hide", {type("Text1", "10"), choose("Combo2", "猪盐湿皮"), press("Command1")},
         {"1230", "2474", "840", "1695", "76", "26"}, {"1050", "1883", "675", "1220", "55", "18"}},
        {"12.3 t: singles of 7 digits, doubles of 15",
         {type("Text1", "12.3"), choose("Combo2", "猪盐湿皮"), press("Command1")},
         {"1512.9", "3043.02004718781", "1033.2", "2084.85003232956", "93.480001449585", "31.9800004959106"},
         {"1291.5", "2316.09003591537", "830.250012874603", "1500.6", "67.6500010490417", "22.1400003433228"}},
        {"10 t of dry sheep skin", {type("Text1", "10"), choose("Combo2", "羊干皮"), press("Command1")},
         {"3120", "3410", "1110", "1237", "51", "6.5"}, {"2750", "2640", "944", "921", "39", "5"}},
        {"no hide chosen", {type("Text1", "10"), press("Command1")}, zeros, zeros},
        {"a typed hide that is an item", {type("Text1", "10"), type("Combo2", "牛干皮"), press("Command1")},
         {"1400", "3010", "1068", "2610", "56", "35"}, {"1140", "2229", "757", "1873", "41", "25"}},
        {"a typed hide that is none", {type("Text1", "10"), type("Combo2", "牛皮"), press("Command1")}, zeros, zeros},
        {"amount emptied after a press repeats it",
         {type("Text1", "10"), choose("Combo2", "羊干皮"), press("Command1"), set("Text1", ""), press("Command1")},
         {"3120", "3410", "1110", "1237", "51", "6.5"}, {"2750", "2640", "944", "921", "39", "5"}},
        {"another hide changes nothing before the press",
         {type("Text1", "10"), choose("Combo2", "羊干皮"), press("Command1"), choose("Combo2", "猪盐湿皮")},
         {"3120", "3410", "1110", "1237", "51", "6.5"}, {"2750", "2640", "944", "921", "39", "5"}},
    };
    for (const TanneryCase &c : cases) {
        WindowDriver w(kTannery);
        runScript(w, c.acts, c.name);
        EXPECT_EQ(texts(w, kProduced), c.produced) << c.name;
        EXPECT_EQ(texts(w, kDischarged), c.discharged) << c.name;
    }
}

TEST(TanneryWindow, OpensEmptyAndKeepsItsAmountAcrossReopening)
{
    WindowDriver w(kTannery);
    EXPECT_EQ(w.text("Combo2"), "");
    EXPECT_EQ(w.text("Text2"), "");
    EXPECT_TRUE(w.text("Text4").startsWith("计算依据《工业污染物产生和排放系\n数》表4.4-10"));
    EXPECT_TRUE(w.boxByLabel("请输入年处理原皮量(T/年))："));
    EXPECT_TRUE(w.boxByLabel("总铬排放量(Kg/年)："));

    runScript(w, {type("Text1", "10"), choose("Combo2", "猪盐湿皮"), press("Command1")}, "first press");
    w.reopen();
    EXPECT_EQ(w.text("Text1"), "");
    EXPECT_EQ(w.text("Text2"), "");
    runScript(w, {choose("Combo2", "猪盐湿皮"), press("Command1"), shows("Text2", "1230"), shows("Text14", "18")},
              "reopened, amount empty");
}

TEST(HospitalWindow, WorkedExamples)
{
    const struct
    {
        const char *name;
        std::vector<Act> acts;
        QStringList shown;  // Text4, Text2, Text3, Text5, Text6
    } cases[] = {
        {"100 beds, over 400", {choose("Combo1", "400床以上"), type("Text1", "100"), press("Command2")},
         {"36500", "29200", "2.19", "2.0075", "0.5475"}},
        {"250 beds, 200 to 400", {choose("Combo1", "200-400床"), type("Text1", "250"), press("Command2")},
         {"63875", "51100", "5.475", "5.01875", "1.36875"}},
        {"no size at the first press", {type("Text1", "100"), press("Command2")},
         {"0", "0", "2.19", "2.0075", "0.5475"}},
        {"bed count emptied keeps everything",
         {choose("Combo1", "200床以下"), type("Text1", "100"), press("Command2"), set("Text1", ""), press("Command2")},
         {"9125", "7300", "2.19", "2.0075", "0.5475"}},
    };
    for (const auto &c : cases) {
        WindowDriver w(kHospital);
        runScript(w, c.acts, c.name);
        EXPECT_EQ(texts(w, {"Text4", "Text2", "Text3", "Text5", "Text6"}), c.shown) << c.name;
    }
}

const QStringList kServiceResults = {"Text8", "Text9", "Text10", "Text11"};

TEST(ServiceAreaWindow, WorkedExamples)
{
    const struct
    {
        const char *name;
        std::vector<Act> acts;
        QStringList shown;
    } cases[] = {
        {"the defaults", {press("Command1")}, {"7.5", "3.75", "180", "18"}},
        {"coefficient 0.5", {press("Command1"), type("Text2", "0.5"), press("Command1")}, {"5", "2.5", "180", "18"}},
        {"清除 then 计算", {press("Command1"), press("Command2"), shows("Text2", "0.75"), shows("Text8", "0"),
                            press("Command1")},
         {"0", "0", "0", "0"}},
        {"traffic emptied", {press("Command1"), set("Text4", ""), type("Text3", "200"), press("Command1")},
         {"15", "7.5", "180", "18"}},
        {"persons not a number keeps the kept value",
         {press("Command1"), type("Text1", "abc"), press("Command1")}, {"7.5", "3.75", "180", "18"}},
        {"persons not a number before any press", {type("Text1", "abc"), press("Command1")}, {"0", "0", "180", "18"}},
    };
    for (const auto &c : cases) {
        WindowDriver w(kServiceArea);
        runScript(w, c.acts, c.name);
        EXPECT_EQ(texts(w, kServiceResults), c.shown) << c.name;
    }
}

QString report(WindowDriver &w)
{
    return w.find<ReportBox>("RichTextBox1")->report();
}

TEST(MetalFinishingWindow, NoteAndReportFollowTradeAndQuantity)
{
    WindowDriver w(kMetalFinishing);
    // No trade chosen: typing changes nothing.
    w.type("Text1", "100");
    EXPECT_EQ(report(w), "");
    EXPECT_EQ(w.text("Text2"), "");

    w.choose("Combo1", "氰化电镀");
    EXPECT_EQ(w.text("Text2"), "请输入氰化物用量");
    EXPECT_EQ(report(w), "") << "choosing a trade writes only the note";
    w.type("Text1", "100");
    EXPECT_EQ(report(w), "氰化电镀产生的污染物:\n"
                         "    氰化物(液)=9.5；  铜=1.9 ；  镍=2.5；  锌=2.5\n"
                         "    排污量的单位与氰化物用量一致");

    w.choose("Combo1", "线路板生产");
    EXPECT_EQ(w.text("Text2"), "线路板的面积:M^2");
    w.type("Text1", "7");
    const QStringList lines = report(w).split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[2], "    平均排放废水：4.62吨；");
    EXPECT_EQ(lines[3], "    排放废水量在2.24—9.66之间波动；");
    EXPECT_EQ(lines[10], "    铜的排放量在0.28—0.98之间波动。");
    EXPECT_FALSE(report(w).endsWith('\n'));

    // A quantity that is no number, or too large, leaves the report.
    const QString kept = report(w);
    w.set("Text1", "x");
    w.set("Text1", "1e39");
    EXPECT_EQ(report(w), kept);

    w.choose("Combo1", "镀铬");
    EXPECT_EQ(w.text("Text2"), "请输入氰化物用量");
    w.type("Text1", "10");
    EXPECT_EQ(report(w).split('\n').value(1), "    高铬纯化排放铬为:3.8");
}

TEST(WaterWindows, OpenFromTheirMenuItemsOnce)
{
    MainWindow main;
    main.completeMenus();
    const std::pair<QString, QString> items[] = {
        {QStringLiteral("地面水评价等级划分"), QStringLiteral("地面水评价分级")},
        {QStringLiteral("地面水现状评价方法一"), QStringLiteral("地面水现状评价方法1")},
        {QStringLiteral("地面水现状评价方法二"), QStringLiteral("地面水评价现状评价方法21")},
        {QStringLiteral("几种类型的废水COD与BOD的关系"), kCodBod},
        {QStringLiteral("制革行业污染物排放的计算"), kTannery},
        {QStringLiteral("医院耗水量"), QStringLiteral("医院耗水量1")},
        {QStringLiteral("城市居民生活用水量标准"), QStringLiteral("城市居民生活用水量标准1")},
        {kHospital, kHospital},
        {kServiceArea, kServiceArea},
        {kMetalFinishing, kMetalFinishing},
    };
    ToolRegistry::global().resetInstances();
    for (const auto &[caption, window] : items) {
        auto *item = main.findChild<QAction *>(caption);
        ASSERT_TRUE(item && item->isEnabled()) << qPrintable(caption);
        item->trigger();
        item->trigger();
        int opened = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            opened += top->objectName() == window && top->isVisible();
        EXPECT_EQ(opened, 1) << qPrintable(window);
    }
    ToolRegistry::global().resetInstances();
}

TEST(WaterUseTables, RegionsInOrderThenTheNotes)
{
    WindowDriver w(QStringLiteral("城市居民生活用水量标准1"));
    const QString text = w.find<QTextEdit>("RichTextBox1")->toPlainText();
    qsizetype at = 0;
    for (const char *region : {"\n一\t", "\n二\t", "\n三\t", "\n四\t", "\n五\t", "\n六\t", "\n\n注："}) {
        const qsizetype next = text.indexOf(QString::fromUtf8(region), at);
        EXPECT_GT(next, at) << region;
        at = next;
    }
    EXPECT_TRUE(text.startsWith("表3.0.1 城市居民生活用水量标准"));
    EXPECT_EQ(w.text("Label1"), "数据来源：GB/T 50331-2002《城市居民生活用水量标准》表3.0.1");
    // The source label stands under the text, not over it.
    auto *box = w.find<QTextEdit>("RichTextBox1");
    auto *label = w.find<QLabel>("Label1");
    ASSERT_TRUE(label);
    EXPECT_GE(label->mapTo(w.window(), QPoint()).y(), box->mapTo(w.window(), QPoint(0, box->height())).y());
}

} // namespace
