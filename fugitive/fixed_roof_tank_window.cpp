#include "fugitive/fixed_roof_tank_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/forms/input_helpers.h"
#include "common/forms/message_box.h"
#include "common/files/note_file.h"
#include "fugitive/fixed_roof_tank.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvalen {
namespace {


const QString kWindow = QStringLiteral("固定顶罐的呼吸排放量和工作排放量");
const QString kSourceText = QStringLiteral("固顶贮罐呼吸排放量和工作排放量资料");

// An option button without a caption of its own, and the label beside it.
void optionWithLabel(Panel &line, const QString &name, const QString &caption)
{
    QRadioButton *option = line.option(name, QString());
    option->setAccessibleName(caption);
    line.label(QString(), caption);
}

void design(Form &f)
{
    Panel &top = f.top();
    top.title("Label1", QStringLiteral("固定顶罐的呼吸排放量和工作排放量的计算"));
    Panel choice = top.line();
    choice.label(QString(), QStringLiteral("请选择贮罐贮存的有机溶液的种类："));
    optionWithLabel(choice, "Option1", QStringLiteral("石油原油"));
    optionWithLabel(choice, "Option2", QStringLiteral("其他有机液体"));
    choice.stretch();

    std::vector<Panel> columns = top.columns(2);
    Panel &boxes = columns[0];
    const auto input = [&boxes](const char *name, const char *label, const char *text, Explanation explain = {}) {
        boxes.box({.name = name, .label = QString::fromUtf8(label), .text = QString::fromUtf8(text), .explain = explain,
                   .width = kWideNumberWidth});
    };
    const QString zeroNote = kZeroResultNoteFixedRoofTank.toString();
    input("Text1", "M-储罐内蒸气的分子量：", "150");
    input("Text2", "P-在大量液体状态下，真实的蒸气压力（Pa）：", "10100");
    input("Text3", "D-罐的直径（m）：", "", says("Command7", u"输入直径时，系统自动计算小直径罐的调节因子"));
    input("Text4", "H-平均蒸气空间高度（m）：", "0.3");
    input("Text5", "△T-一天之内的平均温度差（℃）：", "15");
    input("Text6", "FP-涂层因子（无量纲）：", "1.25",
          says("Command1", u"涂层因子（无量纲），根据油漆状况取值在1~1.5之间"));
    input("Text7", "C-用于小直径罐的调节因子（无量纲）：", "",
          says("Command2", u"用于小直径罐的调节因子（无量纲）;直径在0~9m之间的罐体，C=1-0.0123(D-9)^2  ; 罐径大于9m的C=1；"));
    // KC is written by the load step, through the crude-oil option.
    input("Text8", "KC-产品因子：", "", says("Command3", u"产品因子（石油原油KC取0.65，其他的有机液体取1.0）"));
    input("Text10", "K-固顶贮罐年周转次数（次）：", "", says("Command6", u"输入周转次数，系统自动计算周转因子"));
    input("Text9", "KN-周转因子（无量纲）：", "",
          says("Command4", u"取值按年周转次数（K）确定。K<=36,KN=1；36<K<=220,KN=11.467×K^-0.7026；K>220,KN=0.26"));
    for (const auto &[name, label, button] : {std::tuple{"Text11", "LB-固定顶罐的呼吸排放量（Kg/a）：", "Command9"},
                                              std::tuple{"Text12", "LW-固定顶罐的工作损失（Kg/m3投入量）：", "Command10"}}) {
        boxes.result({.name = name, .label = QString::fromUtf8(label),
                                        .flags = Bold | BoldLabel, .explain = {.button = button, .message = zeroNote},
                                        .color = kGreenText, .labelColor = kGreenText, .width = kWideNumberWidth});
    }
    boxes.grid()->setColumnStretch(1, 1);
    boxes.line().button("Command8", QStringLiteral("刷新结果"));
    boxes.stretch();

    Panel frame = columns[1].frame("Frame1", QStringLiteral("说明"));
    QPlainTextEdit *note = frame.note("Text13",
                                      noteText(QStringLiteral("fugitive"), QStringLiteral("fixed_roof_tank.txt")),
                                      QStringLiteral("说明"));
    note->setMinimumSize(200, 240);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setMaximumWidth(240);
    columns[1].line().button("Command5", QStringLiteral("查看资料原文"));
    columns[1].stretch();

    // The "......?" buttons are only as wide as their caption.
    for (QPushButton *button : f.window()->findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("......?"))
            button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    }
}

FixedRoofTankInputs inputs(const Form &f)
{
    return {.molecularWeight = f.text("Text1"),
            .vapourPressure = f.text("Text2"),
            .diameter = f.text("Text3"),
            .vapourHeight = f.text("Text4"),
            .temperatureRange = f.text("Text5"),
            .paintFactor = f.text("Text6"),
            .smallDiameter = f.text("Text7"),
            .productFactor = f.text("Text8"),
            .turnoverFactor = f.text("Text9")};
}

FormSpec fixedRoofTankSpec()
{
    FormSpec spec;
    spec.caption = kWindow;
    spec.design = design;
    spec.load = [](Form &f) {
        f.setChecked("Option1", true);
        f.write("Text8", kCrudeOilProductFactor.toString());
    };
    spec.steps["C"] = [](Form &f) { f.write("Text7", smallDiameterFactorText(f.text("Text3"))); };
    spec.steps["KN"] = [](Form &f) { f.write("Text9", fixedRoofTurnoverFactorText(f.text("Text10"))); };
    spec.steps["crude oil"] = [](Form &f) { f.write("Text8", kCrudeOilProductFactor.toString()); };
    spec.steps["other liquid"] = [](Form &f) { f.write("Text8", kOtherLiquidProductFactor.toString()); };
    spec.steps["losses"] = [](Form &f) {
        const FixedRoofTankInputs in = inputs(f);
        // The message warns; the press goes on and shows what the formulas give.
        if (hasZeroFactor(in))
            showMessage(kFixedRoofZeroMessage.toString());
        f.write("Text11", ApplyDisplayPattern(fixedRoofBreathingLoss(in), kFixedRoofLossPattern));
        f.write("Text12", ApplyDisplayPattern(fixedRoofWorkingLoss(in), kFixedRoofLossPattern));
    };
    spec.steps["source"] = showsWindow(kSourceText);
    spec.triggers = {
        {On::Change, {"Text3"}, {"C"}},
        {On::Change, {"Text10"}, {"KN"}},
        {On::Press, {"Option1"}, {"crude oil"}},
        {On::Press, {"Option2"}, {"other liquid"}},
        {On::Press, {"Command8"}, {"losses"}},
        {On::Press, {"Command5"}, {"source"}},
    };
    return spec;
}

} // namespace

void registerFixedRoofTankWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, kWindow, QStringLiteral("fugitive"), ToolKind::ComputeButtonCalculator,
                       fixedRoofTankSpec);
}

} // namespace corvalen
