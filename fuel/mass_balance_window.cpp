#include "fuel/mass_balance_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/forms/input_helpers.h"
#include "common/numbers/number_text.h"
#include "common/files/note_file.h"
#include "fuel/mass_balance.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace corvalen {
namespace {

const QString kFrameCaption = QStringLiteral("黑龙江省燃料燃烧排放大气污染物物料衡算办法（暂行）");

// Inputs in green, results and their captions in red, all bold.

// The three windows share one design: a title, two columns of boxes (each
// an input or a result, top to bottom) and the method text in a frame; they
// differ in these data.
struct MassBalanceForm
{
    QString name;
    QString caption;
    QString titleName;  // the title label's control name
    QString title;
    std::vector<Field> left;
    std::vector<Field> right;
    QString methodFile;
    std::map<QString, Step> steps;  // one per result, by the result's symbol
    std::vector<Trigger> triggers;
};

// Label2 is an array of labels: element i is named Label2_i.
QString labelName(int index)
{
    return QStringLiteral("Label2_%1").arg(index);
}

Field input(const QString &box, const QString &caption, int label, const QString &design, Explanation explain = {})
{
    return {.name = box, .label = caption, .text = design, .flags = Bold, .explain = explain,
            .labelName = labelName(label), .color = kGreenText};
}

Field result(const QString &box, const QString &caption, int label, const Explanation &explain)
{
    return {.name = box, .label = caption, .flags = Bold | Result, .explain = explain, .labelName = labelName(label),
            .color = kRedText, .labelColor = kRedText};
}

Trigger change(QStringList boxes, QStringList steps)
{
    return {On::Change, std::move(boxes), std::move(steps)};
}

Trigger click(const QString &box, const QString &step)
{
    return {On::Click, {box}, {step}};
}

MassBalanceForm coalForm()
{
    MassBalanceForm f;
    f.name = QStringLiteral("燃煤烟尘量");
    f.caption = QStringLiteral("燃煤污染物排放量");
    f.titleName = QStringLiteral("Label1");
    f.title = QStringLiteral("燃煤污染物排放量的计算");
    const QString note = kZeroResultNoteCoalDust.toString();
    f.left = {
        input("Text1", "B--耗煤量，T：", 0, "300"),
        input("Text2", "A--煤中灰分，%：", 1, "25", opens("Command1", "煤中灰分含量")),
        input("Text3", "dfh--灰分中烟尘，%：", 2, "20", opens("Command2", "灰分中烟尘的含量")),
        input("Text4", "Cfh--烟尘中可燃物，%：", 3, "30", opens("Command3", "烟尘中可燃物含量")),
        input("Text5", "η1--除尘系统除尘效率，%：", 4, "83.3", opens("Command8", "各种除尘器的效率")),
        result("Text6", "Gsd--烟尘排放量，kg：", 5, says("Command9", note)),
    };
    f.right = {
        input("Text9", "S --燃煤全硫分含量，%：", 6, "0.24", opens("Command4", "煤的全硫分含量")),
        input("Text8", "η2--二氧化硫脱除效率(%)：", 7, "90"),
        result("Text10", "Gso2--SO2排放量，kg：", 8, says("Command10", note)),
        input("Text7", "η3--燃煤中NOX的转化率，%：", 9, "50", opens("Command5", "燃煤中氮NOX转化率")),
        result("Text11", "Gnox--NOX排放量, kg：", 10, says("Command11", note)),
        input("Text12", "C --燃煤中碳含量，%：", 11, "80", opens("Command6", "燃煤燃烧不完全值和含碳量QC")),
        input("Text13", "Q --燃煤燃烧不完全值，%：", 12, "3", opens("Command7", "燃煤燃烧不完全值和含碳量QC")),
        result("Text14", "Gco--CO排放量，kg：", 13, says("Command12", note)),
    };
    f.methodFile = QStringLiteral("coal_method.txt");
    f.steps = {
        {"Gsd", writes("Text6", kCoalDustPattern, [](auto box) {
             return coalDust({.coalBurnt = box("Text1"), .ash = box("Text2"), .ashToDust = box("Text3"),
                              .combustibles = box("Text4"), .dustRemoval = box("Text5")});
         })},
        {"Gso2", writes("Text10", kCoalSulphurPattern, [](auto box) {
             return coalSulphurDioxide({.fuelBurnt = box("Text1"), .sulphur = box("Text9"), .removal = box("Text8")});
         })},
        {"Gnox", writes("Text11", kCoalNitrogenPattern, [](auto box) {
             return coalNitrogenOxides({.coalBurnt = box("Text1"), .conversion = box("Text7")});
         })},
        {"Gco", writes("Text14", kCoalCarbonMonoxidePattern, [](auto box) {
             return carbonMonoxide({.fuelBurnt = box("Text1"), .carbon = box("Text12"), .incomplete = box("Text13")});
         })},
    };
    f.triggers = {
        change({"Text1"}, {"Gsd", "Gso2", "Gco", "Gnox"}),
        change({"Text2", "Text3", "Text4", "Text5"}, {"Gsd"}),
        click("Text6", "Gsd"),
        change({"Text9", "Text8"}, {"Gso2"}),
        click("Text10", "Gso2"),
        change({"Text7"}, {"Gnox"}),
        click("Text11", "Gnox"),
        change({"Text12", "Text13"}, {"Gco"}),
        click("Text14", "Gco"),
    };
    return f;
}

MassBalanceForm oilForm()
{
    MassBalanceForm f;
    f.name = QStringLiteral("燃油排放污染物");
    f.caption = QStringLiteral("燃油二氧化硫氮氧化物一氧化碳排放量计算");
    f.titleName = QStringLiteral("Label1");
    f.title = QStringLiteral("燃油污染物排放量的计算");
    const QString note = kZeroResultNoteFuelOil.toString();
    f.left = {
        input("Text1", "B --耗油量，T：", 0, "600"),
        input("Text9", "S --燃油全硫分含量，%：", 6, "0.24", opens("Command1", "燃油全硫分含量")),
        input("Text8", "η1--二氧化硫脱除效率(%)：", 7, "0"),
        result("Text10", "Gso2--SO2排放量，kg：", 8, says("Command10", note)),
    };
    f.right = {
        input("Text7", "η2--燃油中NOX的转化率，%：", 9, "40",
              says("Command5", u"目前只有燃油锅炉数据,NOX转化率为40%,此项不可更改!")),
        input("Text2", "N--燃油中氮含量，%：", 1, "0.14", opens("Command2", "燃油中含氮量")),
        result("Text11", "Gnox--NOX排放量, kg：", 10, says("Command11", note)),
        input("Text12", "C --燃油中碳含量，%：", 11, "90", says("Command6", u"目前只有重油的含碳量,数据为90%,不要更改!")),
        input("Text13", "Q --燃油燃烧不完全值，%：", 12, "2",
              says("Command7", u"目前只有重油的燃烧不完全值,数据为2%,不要更改!")),
        result("Text14", "Gco--CO排放量，kg：", 13, says("Command12", note)),
    };
    f.methodFile = QStringLiteral("oil_method.txt");
    f.steps = {
        {"Gso2", writes("Text10", kFuelOilPattern, [](auto box) {
             return oilSulphurDioxide({.fuelBurnt = box("Text1"), .sulphur = box("Text9"), .removal = box("Text8")});
         })},
        {"Gnox", writes("Text11", kFuelOilPattern, [](auto box) {
             return oilNitrogenOxides({.oilBurnt = box("Text1"), .nitrogen = box("Text2"), .conversion = box("Text7")});
         })},
        {"Gco", writes("Text14", kFuelOilPattern, [](auto box) {
             return carbonMonoxide({.fuelBurnt = box("Text1"), .carbon = box("Text12"), .incomplete = box("Text13")});
         })},
    };
    // η2, C and Q have no trigger of their own: they take effect with the
    // next trigger of their result.
    f.triggers = {
        change({"Text1"}, {"Gso2", "Gco", "Gnox"}),
        change({"Text9", "Text8"}, {"Gso2"}),
        click("Text10", "Gso2"),
        change({"Text2"}, {"Gnox"}),
        click("Text11", "Gnox"),
        click("Text14", "Gco"),
    };
    return f;
}

MassBalanceForm gasForm()
{
    MassBalanceForm f;
    f.name = QStringLiteral("燃气污染物排放量的计算1");
    f.caption = QStringLiteral("燃气污染物排放量的计算");
    f.titleName = QStringLiteral("燃气污染物排放量的计算");
    f.title = QStringLiteral("燃气污染物排放量的计算");
    // The two result buttons give the advice of the fuel-oil window.
    const QString note = kZeroResultNoteFuelOil.toString();
    const QString components = QStringLiteral("燃气中主要物质体积含量");
    f.left = {
        input("Text1", "V--燃气耗量，m^3：", 0, "300"),
        input("Text2", "CH2S--燃气中H2S体积含量，%：", 1, "0.05", opens("Command1", "燃气中H2S的含量")),
        result("Text6", "Gso2--SO2排放量，kg：", 5, says("Command9", note)),
    };
    f.right = {
        input("Text9", "Q--燃气燃烧不完全值，%：", 6, "2", opens("Command4", "燃气燃烧不完全值表")),
        input("Text8", "VCO--燃气中CO体积含量，%：", 7, "5", opens("Command2", components)),
        input("Text4", "VCH4--燃气中CH4体积含量，%：", 2, "95", opens("Command3", components)),
        input("Text5", "VCmHn--燃气中其他烷烃类体积含量，%：", 3, "0", opens("Command5", components)),
        result("Text3", "Gco--co排放量，kg：", 8, says("Command6", note)),
    };
    f.methodFile = QStringLiteral("gas_method.txt");
    f.steps = {
        {"Gso2", writes("Text6", kGasPattern, [](auto box) {
             return gasSulphurDioxide({.gasBurnt = box("Text1"), .hydrogenSulphide = box("Text2")});
         })},
        {"Gco", writes("Text3", kGasPattern, [](auto box) {
             return gasCarbonMonoxide({.gasBurnt = box("Text1"), .incomplete = box("Text9"),
                                       .carbonMonoxide = box("Text8"), .methane = box("Text4"),
                                       .otherAlkanes = box("Text5")});
         })},
    };
    f.triggers = {
        change({"Text1"}, {"Gso2", "Gco"}),
        change({"Text2"}, {"Gso2"}),
        click("Text6", "Gso2"),
        change({"Text9", "Text8", "Text4", "Text5"}, {"Gco"}),
        click("Text3", "Gco"),
    };
    return f;
}

void design(Form &form, const MassBalanceForm &f)
{
    Panel &top = form.top();
    top.title(f.titleName, f.title);
    std::vector<Panel> columns = top.columns(2);
    const std::pair<Panel *, const std::vector<Field> *> sides[] = {{&columns[0], &f.left}, {&columns[1], &f.right}};
    for (const auto &[column, fields] : sides) {
        for (const Field &field : *fields) {
            column->box(field)->setMinimumWidth(90);
            if (field.explain.button.isEmpty())
                continue;
            // The "......?" buttons are only as wide as their caption.
            if (auto *button = form.get<QPushButton>(field.explain.button))
                button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
        }
        column->grid()->setColumnStretch(1, 1);
    }

    Panel frame = top.frame(QStringLiteral("Frame1"), kFrameCaption);
    QPlainTextEdit *method = frame.note(QStringLiteral("Text15"),
                                        noteText(QStringLiteral("fuel"), f.methodFile),
                                        kFrameCaption);
    method->setReadOnly(true);
    method->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    method->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTipColours(method);
    method->setMinimumHeight(150);
}

FormSpec massBalanceSpec(const MassBalanceForm &f)
{
    return describedSpec(f, design);
}

} // namespace

void registerMassBalanceWindows(ToolRegistry &registry)
{
    for (const auto &makeForm : {coalForm, oilForm, gasForm}) {
        const MassBalanceForm f = makeForm();
        registerFormWindow(registry, f.name, QStringLiteral("fuel"), ToolKind::LiveCalculator,
                           [f] { return massBalanceSpec(f); });
    }
}

} // namespace corvalen
