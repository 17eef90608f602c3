// The storage-tank window driven as a user would: the opening, the type
// list with its layouts and resets, the chains of derived factors, the
// worked examples of each roof type, the double-clicks and the button that
// opens the protection-distance window.
#include "common/forms/form.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_script.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("各类贮罐大小呼吸量计算1");
const QString kDome = QStringLiteral("拱顶罐");
const QString kExternal = QStringLiteral("浮顶油罐");
const QString kInternal = QStringLiteral("内浮顶油罐");

const QStringList kWorkingOnlyDome = {"Text10", "Text12", "Text13", "Text11", "Text14"};

// Every change of every box of the window, as "box=text", in order.
QStringList &recordChanges(WindowDriver &window, QStringList &log)
{
    for (TextBox *box : window.window()->findChildren<TextBox *>())
        QObject::connect(box, &TextBox::changed, box, [&log, box] { log << box->objectName() + '=' + box->text(); });
    return log;
}

TEST(StorageTankWindow, OpensInTheDomeLayoutWithNothingComputedAgainAfterClosing)
{
    WindowDriver window(kWindow);
    EXPECT_EQ(window.window()->windowTitle(), QStringLiteral("Corvalen之贮罐呼吸量计算单行版"));
    auto *list = window.find<QComboBox>("Combo1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), kDome);
    EXPECT_EQ(list->currentIndex(), -1) << "the text is set, no item chosen";
    EXPECT_EQ(list->count(), 3);
    for (auto *box : window.window()->findChildren<TextBox *>()) {
        const QString name = box->objectName();
        const QString expected = name == "Text2" ? "100000" : name == "Text8" ? "51.6" : "";
        EXPECT_EQ(box->text(), expected) << name.toStdString();
    }
    runScript(window,
              {visible("Text5"), visible("Text8"), visible("Text14"), visible("Text22"), hidden("Text23"),
               hidden("Label26"), hidden("Text24"), hidden("Label27"),
               shows("Label6", QStringLiteral("泵送液体入罐量         V1[m^3]：")),
               shows("Label18", QStringLiteral("当地大气压             Pa[Kpa]："))},
              "opening");
    EXPECT_EQ(window.find<TextBox>("Text14")->toolTip(),
              QStringLiteral("u不应大于172.5,(690-4Uy)会小于0,导致计算结果会出现负数!)"));
    EXPECT_EQ(window.find<QLabel>("Label29")->toolTip(), QStringLiteral("汽油取1,原油取0.75"));

    window.choose("Combo1", kDome);
    runScript(window,
              {shows("Label6", QStringLiteral("泵送液体入罐量 V1        [m^3]：")),
               shows("Label18", QStringLiteral("当地大气压             P1[Kpa]："))},
              "dome chosen");
    EXPECT_EQ(window.find<TextBox>("Text8")->toolTip(), QStringLiteral("不可更改！"));

    window.choose("Combo1", kExternal);
    window.set("Text3", "5");
    window.reopen();
    runScript(window,
              {shows("Combo1", kDome), shows("Text3", ""), shows("Text8", "51.6"), visible("Text14"),
               hidden("Text23"), shows("Label18", QStringLiteral("当地大气压             Pa[Kpa]："))},
              "reopened");
}

TEST(StorageTankWindow, EachTypeLaysOutItsRows)
{
    WindowDriver window(kWindow);
    window.set("Text3", "7");
    window.choose("Combo1", kExternal);
    std::vector<Act> external = {hidden("Text8"), hidden("Label9"), hidden("Text9"), visible("Text23"),
                                 visible("Label27"), shows("Label16", QStringLiteral("大呼吸量计算结果       [Kg/a]：")),
                                 shows("Label29", QStringLiteral("小呼吸量计算结果       [Kg/a]：")),
                                 shows("Label1", QStringLiteral("贮罐全年无组织排放量为 [Kg/a]：")),
                                 shows("Label17", QStringLiteral("密封耗损系数                Ft：")), shows("Text3", "7")};
    for (const QString &box : kWorkingOnlyDome)
        external.push_back(hidden(box));
    runScript(window, external, "external");

    window.choose("Combo1", kInternal);
    runScript(window,
              {visible("Text8"), visible("Text9"), hidden("Text10"), hidden("Text14"), visible("Text24"),
               shows("Label9", QStringLiteral("支柱个数                    Nc：")),
               shows("Label21", QStringLiteral("蒸汽压函数，无量纲          P*：")), shows("Text3", "7")},
              "internal");
    EXPECT_EQ(window.find<TextBox>("Text8")->toolTip(), QStringLiteral("若无支柱,请填写0"));
    EXPECT_EQ(window.find<TextBox>("Text9")->toolTip(), QStringLiteral("若无支柱,请填写0"));
    // A box is found by the caption it now shows.
    window.typeByLabel(QStringLiteral("支柱个数 Nc："), "2");
    EXPECT_EQ(window.text("Text8"), "2");

}

// Choosing an item, even the one shown, writes the working frame's boxes
// and the total in their order; each write runs what its box's change runs.
TEST(StorageTankWindow, ChoosingATypeRewritesTheBoxesInOrder)
{
    // A box is logged once the steps that its change runs are done, so a
    // write that another write causes stands before it.
    const QStringList domeTrace = {
        "Text1=",  "Text2=100000", "Text5=", "Text6=", "Text6=",   "Text7=",    "Text8=51.6", "Text9=", "Text10=",
        "Text11=", "Text11=20.",   "Text13=", "Text14=", "Text11=.", "Text12=", "Text1=1.5",  "Text15=", "Text1=",
    };
    const QStringList floatingTrace = {
        "Text1=",  "Text2=100000", "Text5=",  "Text6=",  "Text7=",   "Text8=",  "Text9=",    "Text10=", "Text11=",
        "Text11=20.", "Text13=",   "Text14=", "Text11=.", "Text12=", "Text1=1.5", "Text15=", "Text1=",
    };
    const struct
    {
        const char *name;
        QString before;  // the type chosen before, if any
        QString type;
        QStringList trace;
    } cases[] = {
        {"dome, the item already shown", {}, kDome, domeTrace},
        {"dome twice", kDome, kDome, domeTrace},
        {"external", {}, kExternal, floatingTrace},
        {"internal after external", kExternal, kInternal, floatingTrace},
    };
    for (const auto &c : cases) {
        WindowDriver window(kWindow);
        if (!c.before.isEmpty())
            window.choose("Combo1", c.before);
        for (const char *box : {"Text2", "Text5", "Text6", "Text7", "Text9", "Text10", "Text14", "Text15"})
            window.set(box, "12");
        window.set("Text12", "40");
        window.set("Text13", "60");
        window.set("Text25", "1.5");
        window.set("Text22", "5");
        QStringList log;
        recordChanges(window, log);
        window.choose("Combo1", c.type);
        EXPECT_EQ(log, c.trace) << c.name;
        runScript(window, {shows("Text11", "."), shows("Text1", ""), shows("Text25", "1.5"), shows("Text22", "5")},
                  c.name);
    }
}

TEST(StorageTankWindow, DerivedFactorsFollowTheirBoxes)
{
    const struct
    {
        const char *name;
        std::vector<Act> acts;
    } cases[] = {
        {"N and Kt from V", {type("Text7", "1000"), shows("Text6", "100."), shows("Text9", ".467")}},
        {"a new Q waits for the next V",
         {type("Text7", "1000"), type("Text2", "50000"), shows("Text6", "100."), shows("Text9", ".467"),
          set("Text7", "1000"), shows("Text6", "50."), shows("Text9", ".767")}},
        {"N below 36", {type("Text7", "3000"), shows("Text6", "33.333"), shows("Text9", "1")}},
        {"N = 36", {type("Text6", "36"), shows("Text9", "1")}},
        {"N = 36.5", {type("Text6", "36.5"), shows("Text9", ".989")}},
        {"N emptied keeps Kt", {type("Text6", "100"), set("Text6", ""), shows("Text9", ".467")}},
        {"V = 0 keeps N and rewrites it", {set("Text6", "33.3333"), set("Text7", "0"), shows("Text6", "33.333")}},
        {"Py from Py1 and Py2", {type("Text12", "40"), shows("Text11", "20."), type("Text13", "61"),
                                 shows("Text11", "50.5")}},
        {"C1 for D = 5", {type("Text22", "5"), shows("Text21", ".4838")}},
        {"C1 for D = 9.13", {type("Text22", "9.13"), shows("Text21", ".8656")}},
        {"C1 for D = 9.14", {type("Text22", "9.14"), shows("Text21", "1")}},
        {"C1 for D emptied", {type("Text22", "9"), set("Text22", ""), shows("Text21", ".0826")}},
        {"dome boxes run no floating step", {type("Text4", "1"), set("Text23", "50"), shows("Text3", ""),
                                             shows("Text18", "")}},
        {"external Ft", {choose("Combo1", kExternal), type("Text4", "1.2"), type("Text16", "3"),
                         type("Text17", "1.5"), shows("Text3", "20.9043")}},
        {"external P*, Pa still empty",
         {choose("Combo1", kExternal), type("Text23", "50"), shows("Text18", "."), type("Text24", "101.325"),
          shows("Text18", ".1684")}},
        {"internal P* but no Ft", {choose("Combo1", kInternal), type("Text23", "50"), type("Text24", "101.325"),
                                   type("Text4", "3"), shows("Text18", ".1684"), shows("Text3", "")}},
        {"floating types run no dome step", {choose("Combo1", kExternal), type("Text7", "1000"),
                                             type("Text22", "5"), shows("Text6", ""), shows("Text21", "")}},
    };
    for (const auto &c : cases) {
        WindowDriver window(kWindow);
        runScript(window, c.acts, c.name);
    }
}

TEST(StorageTankWindow, WorkedExamplesOfEachType)
{
    const struct
    {
        const char *name;
        std::vector<Act> acts;
    } cases[] = {
        {"dome working loss",
         {set("Text5", "1000"), set("Text12", "50"), set("Text13", "50"), set("Text9", "1"), set("Text10", "1"),
          set("Text14", "64"), press("Command2"), shows("Text15", "2.233"), shows("Text1", "2.233"),
          set("Text14", "172.5"), press("Command2"), shows("Text15", "2.233"), set("Text14", "173"),
          press("Command2"), shows("Text15", "-484.496")}},
        {"dome standing loss and total",
         {set("Text15", "2.233"), set("Text3", "20"), set("Text4", "101.3"), set("Text16", "5"), set("Text17", "10"),
          set("Text18", "1.2"), set("Text19", "3.05"), set("Text20", "1"), set("Text22", "20"),
          shows("Text21", "1"), press("Command3"), shows("Text25", "43.33"), shows("Text1", "45.563"),
          set("Text4", "20"), press("Command3"), shows("Text25", "."), shows("Text1", "2.233")}},
        {"external working and standing",
         {choose("Combo1", kExternal), set("Text5", "20"), set("Text7", "750"), set("Text6", "0.0025"),
          press("Command2"), shows("Text15", "37.5"), set("Text3", "2.5"), set("Text20", "20"), set("Text22", "30"),
          set("Text18", "0.1684"), set("Text19", "64"), set("Text21", "1"), press("Command3"),
          shows("Text25", "961.793"), shows("Text1", "999.293"), set("Text22", "40"), press("Command3"),
          shows("Text25", "1011.37")}},
        {"internal working and standing",
         {choose("Combo1", kInternal), set("Text5", "20"), set("Text7", "750"), set("Text6", "0.0025"),
          set("Text8", "2"), set("Text9", "0.6"), press("Command2"), shows("Text15", "39.75"), set("Text3", "0.2"),
          set("Text4", "0"), set("Text16", "22"), set("Text17", "0.45"), set("Text18", "0.1684"), set("Text19", "64"),
          set("Text20", "20"), set("Text21", "0.6"), press("Command3"), shows("Text25", "47011.2445"),
          set("Text22", "999"), press("Command3"), shows("Text25", "47011.2445")}},
        {"floating working loss with a box emptied keeps its result",
         {choose("Combo1", kExternal), set("Text15", "5"), press("Command2"), shows("Text15", "5."),
          shows("Text1", "5.")}},
        {"total of a working and a standing loss",
         {set("Text15", "2.233"), set("Text25", "1.5"), shows("Text1", "3.733"), set("Text15", ""),
          set("Text25", ""), shows("Text1", ".")}},
    };
    for (const auto &c : cases) {
        WindowDriver window(kWindow);
        runScript(window, c.acts, c.name);
    }
}

TEST(StorageTankWindow, TypedTypeTextActsWithoutLayout)
{
    WindowDriver window(kWindow);
    MessageRecorder messages;
    window.type("Combo1", "abc");
    runScript(window,
              {set("Text7", "1000"), shows("Text6", ""), set("Text22", "5"), shows("Text21", ""),
               set("Text5", "1"), press("Command2"), shows("Text15", ""), press("Command3"), shows("Text25", ""),
               set("Text25", "3"), shows("Text1", ""), set("Text12", "40"), shows("Text11", "20.")},
              "abc");
    window.doubleClick("Text10");
    window.doubleClick("Text18");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(ToolRegistry::global().existingInstance("tlxs"), nullptr);

    // A typed item text acts for its type, with the dome layout kept.
    window.type("Combo1", kExternal);
    runScript(window,
              {type("Text4", "1.2"), type("Text16", "3"), type("Text17", "1.5"), shows("Text3", "20.9043"),
               visible("Text14"), hidden("Text23"), shows("Label16", QStringLiteral("大呼吸量计算结果       [m^3/a]："))},
              "typed external");
    // Enter after a typed item text chooses nothing.
    window.set("Text2", "5");
    QTest::keyClick(window.find<QComboBox>("Combo1")->lineEdit(), Qt::Key_Return);
    runScript(window, {shows("Text2", "5"), visible("Text14"), shows("Combo1", kExternal)}, "typed external, Enter");
}

TEST(StorageTankWindow, DoubleClickAndF1HelpByType)
{
    const struct
    {
        const char *name;
        QString type;  // empty: as opened
        const char *box;
        QString message;
        QString opens;
    } cases[] = {
        {"dome K1", {}, "Text10", QStringLiteral("汽油K1=1,原油K1=0.75;导则规定!"), {}},
        {"dome Fp", {}, "Text18", {}, "tlxs"},
        {"dome ΔT", kDome, "Text17", {}, "tlxs"},
        {"dome H", {}, "Text16", {}, {}},
        {"external Kt", kExternal, "Text4", {}, "mfxs"},
        {"external n", kExternal, "Text17", {}, "mfxs"},
        {"external Kc", kExternal, "Text21", QStringLiteral("油品系数，原油Kc=0.4，汽油Kc=0.1"), {}},
        {"internal Kc", kInternal, "Text16", {}, QStringLiteral("边圈密封损耗系数")},
        {"internal K8", kInternal, "Text17", QStringLiteral("单位换算系数K8=0.45"), {}},
        {"internal Py", kInternal, "Text23",
         QStringLiteral("油品液面的平均蒸汽压，为油罐液面表面蒸汽压年记录的最高温度液面蒸汽压和最低温度的液面蒸汽压平均值！需手工计算输入！"),
         {}},
    };
    // A double-click into the box, or F1 while it has the focus.
    for (const bool byKey : {false, true}) {
        for (const auto &c : cases) {
            WindowDriver window(kWindow);
            if (!c.type.isEmpty())
                window.choose("Combo1", c.type);
            MessageRecorder messages;
            if (byKey) {
                QWidget *box = window.find(c.box);
                box->setFocus(Qt::TabFocusReason);
                QTest::keyClick(box, Qt::Key_F1);
            } else {
                window.doubleClick(c.box);
            }
            EXPECT_EQ(messages.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message})
                << c.name << (byKey ? " by F1" : "");
            for (const char *table : {"tlxs", "mfxs", "边圈密封损耗系数"}) {
                const QString name = QString::fromUtf8(table);
                ToolWindow *opened = ToolRegistry::global().existingInstance(name);
                EXPECT_EQ(opened && opened->widget() && opened->widget()->isVisible(), name == c.opens)
                    << c.name << ", " << table << (byKey ? " by F1" : "");
                if (opened)
                    opened->close();
            }
        }
    }
}

TEST(StorageTankWindow, OpenedWindowsExistOnce)
{
    WindowDriver window(kWindow);
    window.choose("Combo1", kInternal);
    window.set("Text16", "22");
    window.doubleClick("Text16");
    ToolWindow *table = ToolRegistry::global().existingInstance(QStringLiteral("边圈密封损耗系数"));
    ASSERT_NE(table, nullptr);
    QWidget *shown = table->widget();
    window.doubleClick("Text16");
    EXPECT_EQ(ToolRegistry::global().existingInstance(QStringLiteral("边圈密封损耗系数"))->widget(), shown);
    shown->close();
    EXPECT_EQ(window.text("Text16"), "22") << "closing the table leaves the tank window";

    window.set("Text2", "777");
    window.press("Command1");
    ToolWindow *distance = ToolRegistry::global().existingInstance(QStringLiteral("卫生防护距离计算工具"));
    ASSERT_NE(distance, nullptr);
    QWidget *first = distance->widget();
    window.press("Command1");
    EXPECT_EQ(distance->widget(), first);
    const QStringList ownDefaults = {"0.05", "0.03", "200"};
    int i = 0;
    for (const char *box : {"Text7", "Text1", "Text8"})
        EXPECT_EQ(controlText(first->findChild<QWidget *>(box)), ownDefaults[i++]) << "passes no value";
}

} // namespace
