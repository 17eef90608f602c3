#include "fugitive/storage_tank_window.h"

#include "common/forms/form_style.h"
#include "common/files/addresses.h"
#include "common/forms/form_window.h"
#include "common/forms/input_helpers.h"
#include "fugitive/storage_tank.h"
#include "fugitive/storage_tank_layout.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace corvalen {
namespace {

const QString kWindow = QStringLiteral("各类贮罐大小呼吸量计算1");
const QString kProtectionDistanceWindow = QStringLiteral("卫生防护距离计算工具");
constexpr QStringView kConfirm = u"确认以上参数输入无误吗?    ：";
constexpr QStringView kResultTip = u"汽油取1,原油取0.75";
constexpr int kBoxWidth = 120;

// The rows of the two loss frames, top to bottom, without their results.
const char *const kWorkingRows[] = {"Text5", "Text7", "Text6", "Text8", "Text9",
                                    "Text10", "Text12", "Text13", "Text11", "Text14"};
const char *const kStandingRows[] = {"Text3", "Text4", "Text16", "Text17", "Text18", "Text19",
                                     "Text20", "Text21", "Text22", "Text23", "Text24"};

// The type in force: the list's text as it stands, chosen or typed.
std::optional<TankType> typeOf(const Form &f)
{
    return tankTypeOf(f.text(QStringLiteral("Combo1")));
}

// A step that acts only while the list's text is one of `types`.
Step forTypes(std::vector<TankType> types, void (*step)(Form &, TankType))
{
    return [types, step](Form &f) {
        const std::optional<TankType> type = typeOf(f);
        if (type && std::find(types.begin(), types.end(), *type) != types.end())
            step(f, *type);
    };
}

const std::vector<TankType> kEveryType = {TankType::Dome, TankType::ExternalFloating, TankType::InternalFloating};

Field rowField(const char *box)
{
    const TankRow *row = tankRow(QString::fromLatin1(box));
    return {.name = row->box, .label = row->opening.toString(), .labelName = row->label,
            .toolTip = row->toolTip.toString()};
}

// A result in the Song-style face: green, or red for the total.
TextBox *resultBox(Panel &panel, const char *box, bool total = false)
{
    Field field = rowField(box);
    field.color = total ? kRedText : kGreenText;
    TextBox *result = panel.result(field);
    setFace(result, Face::Song, kBodyPoints);
    result->setMinimumWidth(kBoxWidth);
    return result;
}

void confirmLine(Panel &frame, const QString &button)
{
    Panel line = frame.line();
    QLabel *confirm = line.label(QString(), kConfirm.toString());
    setBoldFont(confirm);
    line.button(button, QStringLiteral("确认计算"));
    line.stretch();
}

QString noteText()
{
    return QStringLiteral("本工具依据《石油库设计节能导则》编制！由于各种系数和参数较多,当系数或参数未提供或有疑问时,可双\n"
                          "击该系数输入框，或许能够帮助你!若结果未知,请检查系数输入！\n"
                          "感谢Ostrandel社区的各位会员对本工具的测试！\n"
                          "联系邮箱：")
        + addresses::authorMail;
}

void design(Form &f)
{
    Panel &top = f.top();
    Panel common = top.frame(QStringLiteral("Frame1"), QStringLiteral("公用参数")).line();
    // The list opens with the dome type's text, not chosen.
    common.list({.name = "Combo1", .label = QStringLiteral("请选择贮罐类型："), .items = tankTypeItems(),
                 .text = kDomeTank.toString()})
        ->setMinimumWidth(kBoxWidth + 20);
    common.box({.name = "Text2", .label = QStringLiteral("油罐年周转量 Q[m^3/a]："), .text = "100000"});
    common.stretch();

    std::vector<Panel> columns = top.columns(2);
    Panel working = columns[0].frame(QStringLiteral("Frame2"), QStringLiteral("大呼吸量计算"));
    for (const char *box : kWorkingRows)
        working.box(rowField(box))->setMinimumWidth(kBoxWidth);
    f.box("Text8")->setText(QStringLiteral("51.6"));
    confirmLine(working, QStringLiteral("Command2"));
    resultBox(working, "Text15");

    Panel standing = columns[1].frame(QStringLiteral("Frame3"), QStringLiteral("小呼吸量计算"));
    for (const char *box : kStandingRows)
        standing.box(rowField(box))->setMinimumWidth(kBoxWidth);
    confirmLine(standing, QStringLiteral("Command3"));
    resultBox(standing, "Text25");

    Panel total = top.frame(QStringLiteral("Frame4"), QString()).line();
    resultBox(total, "Text1", true);
    total.button(QStringLiteral("Command1"), QStringLiteral("计算卫生防护距离请点击此处!"));
    total.stretch();

    for (const char *label : {"Label12", "Label13", "Label14", "Label15", "Label16", "Label29"})
        f.get<QLabel>(label)->setToolTip(kResultTip.toString());
    for (const char *label : {"Label13", "Label14"})
        setPoints(f.get<QLabel>(label), kFootnotePoints);

    QPlainTextEdit *note = top.note(QStringLiteral("Text26"), noteText(), QStringLiteral("说明"));
    setTipColours(note);
    // Tall enough for the whole note.
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setNoteLines(note, 6);

    // The window opens with the rows of the dome layout shown.
    for (const TankRow &row : tankRows()) {
        const bool shown = !row.captions[typeIndex(TankType::Dome)].isEmpty();
        f.find(row.box)->setVisible(shown);
        f.find(row.label)->setVisible(shown);
    }
}

// Lays the window out for the type: captions, hidden rows, tooltips. A
// box's accessible name follows its label.
void layOut(Form &f, TankType type)
{
    const int t = typeIndex(type);
    for (const TankRow &row : tankRows()) {
        TextBox *box = f.box(row.box);
        auto *label = f.get<QLabel>(row.label);
        const QString caption = row.captions[t].toString();
        box->setVisible(!caption.isEmpty());
        label->setVisible(!caption.isEmpty());
        if (!caption.isEmpty()) {
            label->setText(caption);
            box->setAccessibleName(accessibleText(caption));
        }
        if (!row.typeToolTips[t].isEmpty())
            box->setToolTip(row.typeToolTips[t].toString());
    }
}

// A choice of a type: the layout, then the working-loss frame's boxes and
// the total are written in this order, each write running its box's steps.
// The standing-loss frame keeps its texts.
void chooseType(Form &f, TankType type)
{
    layOut(f, type);
    const QString unitFactor = type == TankType::Dome ? QStringLiteral("51.6") : QString();
    const std::pair<const char *, QString> writes[] = {
        {"Text1", {}},  {"Text2", QStringLiteral("100000")}, {"Text5", {}},  {"Text6", {}},  {"Text7", {}},
        {"Text8", unitFactor}, {"Text9", {}}, {"Text10", {}}, {"Text11", {}}, {"Text13", {}}, {"Text14", {}},
        {"Text12", {}}, {"Text15", {}}, {"Text1", {}},
    };
    for (const auto &[box, text] : writes)
        f.write(box, text);
}

FloatingWorkingInputs floatingWorking(const Form &f)
{
    return {.throughput = f.text("Text2"), .adhesion = f.text("Text6"), .density = f.text("Text7"),
            .diameter = f.text("Text5"), .columns = f.text("Text8"), .columnDiameter = f.text("Text9")};
}

void workingLoss(Form &f, TankType type)
{
    const QString shown = f.text("Text15");
    switch (type) {
    case TankType::Dome:
        f.write("Text15", domeWorkingLossText({.pumpedVolume = f.text("Text5"), .meanPressure = f.text("Text11"),
                                               .turnoverFactor = f.text("Text9"), .productFactor = f.text("Text10"),
                                               .unitFactor = f.text("Text8"), .molarMass = f.text("Text14")},
                                              shown));
        break;
    case TankType::ExternalFloating:
        f.write("Text15", externalWorkingLossText(floatingWorking(f), shown));
        break;
    case TankType::InternalFloating:
        f.write("Text15", internalWorkingLossText(floatingWorking(f), shown));
        break;
    }
}

void standingLoss(Form &f, TankType type)
{
    switch (type) {
    case TankType::Dome:
        f.write("Text25", domeStandingLossText({.bulkPressure = f.text("Text3"), .atmospheric = f.text("Text4"),
                                                .vapourHeight = f.text("Text16"), .dailyRange = f.text("Text17"),
                                                .paintFactor = f.text("Text18"), .unitFactor = f.text("Text19"),
                                                .productFactor = f.text("Text20"), .correction = f.text("Text21"),
                                                .diameter = f.text("Text22")}));
        break;
    case TankType::ExternalFloating:
        f.write("Text25", externalStandingLossText({.sealLossFactor = f.text("Text3"), .diameter = f.text("Text20"),
                                                    .fittingsFactor = f.text("Text22"),
                                                    .pressureFunction = f.text("Text18"),
                                                    .molarMass = f.text("Text19"), .productFactor = f.text("Text21")}));
        break;
    case TankType::InternalFloating:
        f.write("Text25", internalStandingLossText({.weldFactor = f.text("Text3"), .seamFactor = f.text("Text4"),
                                                    .rimSealFactor = f.text("Text16"), .unitFactor = f.text("Text17"),
                                                    .pressureFunction = f.text("Text18"),
                                                    .molarMass = f.text("Text19"), .diameter = f.text("Text20"),
                                                    .columnDiameter = f.text("Text21")}));
        break;
    }
}

void turnovers(Form &f, TankType)
{
    f.write("Text6", turnoversText(f.text("Text2"), f.text("Text7"), f.text("Text6")));
}

void turnoverFactor(Form &f, TankType)
{
    if (const std::optional<QString> kt = turnoverFactorText(f.text("Text6")))
        f.write("Text9", *kt);
}

void diameterCorrection(Form &f, TankType)
{
    f.write("Text21", diameterCorrectionText(f.text("Text22")));
}

void sealLossFactor(Form &f, TankType)
{
    f.write("Text3", sealLossFactorText({.sealFactor = f.text("Text4"), .windSpeed = f.text("Text16"),
                                         .exponent = f.text("Text17")}));
}

void pressureFunction(Form &f, TankType)
{
    f.write("Text18", pressureFunctionText(f.text("Text23"), f.text("Text24")));
}

void total(Form &f, TankType)
{
    f.write("Text1", annualTotalText(f.text("Text15"), f.text("Text25")));
}

// A double-click into a box: its help under the type in force.
Step helpOf(const TankHelpRow &row)
{
    return [&row](Form &f) {
        const std::optional<TankType> type = typeOf(f);
        if (!type)
            return;
        const TankHelp &help = row.help[typeIndex(*type)];
        if (!help.window.isEmpty())
            ShowToolWindow(help.window.toString());
        else if (!help.message.isEmpty())
            ShowExplanation(help.message);
    };
}

FormSpec storageTankSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("Corvalen之贮罐呼吸量计算单行版");
    spec.design = design;
    spec.steps = {
        {"type", forTypes(kEveryType, chooseType)},
        {"working", forTypes(kEveryType, workingLoss)},
        {"standing", forTypes(kEveryType, standingLoss)},
        {"distance", showsWindow(kProtectionDistanceWindow)},
        {"Py", [](Form &f) { f.write("Text11", meanVapourPressureText(f.text("Text12"), f.text("Text13"))); }},
        {"N", forTypes({TankType::Dome}, turnovers)},
        {"Kt", forTypes({TankType::Dome}, turnoverFactor)},
        {"C1", forTypes({TankType::Dome}, diameterCorrection)},
        {"Ft", forTypes({TankType::ExternalFloating}, sealLossFactor)},
        {"P*", forTypes({TankType::ExternalFloating, TankType::InternalFloating}, pressureFunction)},
        {"total", forTypes(kEveryType, total)},
    };
    spec.triggers = {
        {On::Choose, {"Combo1"}, {"type"}},
        {On::Press, {"Command2"}, {"working"}},
        {On::Press, {"Command3"}, {"standing"}},
        {On::Press, {"Command1"}, {"distance"}},
        {On::Change, {"Text12", "Text13"}, {"Py"}},
        {On::Change, {"Text7"}, {"N"}},
        {On::Change, {"Text6"}, {"Kt"}},
        {On::Change, {"Text22"}, {"C1"}},
        {On::Change, {"Text4", "Text16", "Text17"}, {"Ft"}},
        {On::Change, {"Text23", "Text24"}, {"P*"}},
        {On::Change, {"Text15", "Text25"}, {"total"}},
    };
    for (const TankHelpRow &row : tankHelpRows()) {
        const QString step = QStringLiteral("help ") + QLatin1StringView(row.box);
        spec.steps[step] = helpOf(row);
        spec.triggers.push_back({On::DoubleClick, {QLatin1StringView(row.box)}, {step}});
    }
    return spec;
}

} // namespace

void registerStorageTankWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, kWindow, QStringLiteral("fugitive"), ToolKind::LiveCalculator, storageTankSpec);
}

} // namespace corvalen
