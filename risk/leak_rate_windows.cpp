#include "risk/leak_rate_windows.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/numbers/number_text.h"
#include "common/views/picture_reference_window.h"
#include "common/files/reference_table.h"
#include "risk/leak_legends.h"
#include "risk/leak_rates.h"

#include <QComboBox>
#include <QLabel>

namespace corvalen {
namespace {

// An input box of the frame 参数输入: control name, label, design text.
struct Input
{
    QString name;
    QString label;
    QString text;
};

const QStringList kFormulaFiles{QStringLiteral("liquid_leak.table"), QStringLiteral("gas_leak.table"),
                                QStringLiteral("two_phase_leak.table")};

// A formula file under data/risk/formulas.
QString formulaPath(const QString &file)
{
    return QStringLiteral(":/data/risk/formulas/") + file;
}

// Title, the inputs in their frame, the result line, and beside them the
// formula with its legend.
void designLeakWindow(Form &f, const QString &title, const std::vector<Input> &inputs,
                      const std::function<void(Panel &)> &extraInput, const QString &resultLabel,
                      const QString &formulaFile, const QString &legend)
{
    Panel &top = f.top();
    top.title("Label1", title);
    std::vector<Panel> columns = top.columns(2);
    Panel frame = columns[0].frame("Frame1", QStringLiteral("参数输入"));
    for (const Input &input : inputs) {
        frame.box({.name = input.name, .label = input.label, .text = input.text, .width = kNumberWidth});
        if (extraInput && input.name == QStringLiteral("Text5"))
            extraInput(frame);
    }
    columns[0].result({.name = "Text6", .label = resultLabel, .width = kNumberWidth});
    columns[0].stretch();
    columns[1].label("Label3", QStringLiteral("计算公式："));
    columns[1].place(formulaPicture(formulaPath(formulaFile), columns[1].container()));
    QLabel *legendLabel = columns[1].label("Label2", legend);
    legendLabel->setWordWrap(true);
    legendLabel->setMinimumWidth(360);
    columns[1].stretch();
}

FormSpec liquidLeakSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("液体泄漏速度");
    spec.design = [](Form &f) {
        designLeakWindow(f, QStringLiteral("风险评价液体泄漏量的计算"),
                         {
                             {"Text1", QStringLiteral("A--裂口面积（m^2）："), "0.02"},
                             {"Text7", QStringLiteral("Cd--液体泄漏系数："), "0.62"},
                             {"Text2", QStringLiteral("P--容器介质压力（Pa）："), "120000"},
                             {"Text3", QStringLiteral("P0--环境压力（Pa）："), "101325"},
                             {"Text4", QStringLiteral("h--裂口之上液位高度（m）："), "5"},
                             {"Text5", QStringLiteral("ρ--液体密度（Kg/m3）："), "800"},
                         },
                         {}, QStringLiteral("QL--液体泄漏速度（Kg/s）："), QStringLiteral("liquid_leak.table"),
                         liquidLeakLegend());
        f.top().button("Command1", QStringLiteral("计算"));
    };
    spec.steps["compute"] = [](Form &f) {
        f.write("Text6", SingleText(liquidLeakRate({
                             .area = f.text("Text1"),
                             .coefficient = f.text("Text7"),
                             .pressure = f.text("Text2"),
                             .ambientPressure = f.text("Text3"),
                             .height = f.text("Text4"),
                             .density = f.text("Text5"),
                         })));
    };
    spec.triggers = {{On::Press, {"Command1"}, {"compute"}}};
    return spec;
}

FormSpec gasLeakSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("气体泄漏量");
    spec.design = [](Form &f) {
        designLeakWindow(
            f, QStringLiteral("风险评价气体泄漏量的计算"),
            {
                {"Text1", QStringLiteral("请输入裂口面积（m2）："), "0.02"},
                {"Text2", QStringLiteral("请输入容器介质压力（Pa）："), "12000"},
                {"Text3", QStringLiteral("请输入环境压力（Pa）："), "10100"},
                {"Text4", QStringLiteral("气体分子量（m）："), "80"},
                {"Text5", QStringLiteral("气体温度（K）："), "500"},
                {"Text7", QStringLiteral("气体绝热指数（热容比）："), "1.5"},
            },
            [](Panel &frame) {
                frame.list({.name = "Combo1", .label = QStringLiteral("请选择裂口形状："), .items = crackShapes()})
                    ->setMinimumWidth(110);
            },
            QStringLiteral("气体泄漏速度（Kg/s）："), QStringLiteral("gas_leak.table"), gasLeakLegend());
        f.top().button("Command1", QStringLiteral("计算"));
    };
    spec.values = WindowValues::maker<GasLeak>();
    spec.steps["compute"] = [](Form &f) {
        GasLeak &window = f.values<GasLeak>();
        window.press({
            .area = f.text("Text1"),
            .pressure = f.text("Text2"),
            .ambientPressure = f.text("Text3"),
            .molecularMass = f.text("Text4"),
            .temperature = f.text("Text5"),
            .shape = f.text("Combo1"),
            .adiabaticIndex = f.text("Text7"),
        });
        f.write("Text6", SingleText(window.rate));
    };
    spec.triggers = {{On::Press, {"Command1"}, {"compute"}}};
    return spec;
}

FormSpec twoPhaseLeakSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("两相泄漏量计算");
    spec.design = [](Form &f) {
        designLeakWindow(f, QStringLiteral("风险评价液气两相泄漏量的计算"),
                         {
                             {"Text1", QStringLiteral("请输入裂口面积（m2）："), "0.02"},
                             {"Text2", QStringLiteral("操作压力或容器压力（Pa）："), "12000"},
                             {"Text3", QStringLiteral("两相混合物定压比热J/(kg·K)："), "10100"},
                             {"Text4", QStringLiteral("两相混合物的温度，K："), "300"},
                             {"Text5", QStringLiteral("液体在临界压力下的沸点，K："), "260"},
                             {"Text7", QStringLiteral("液体气化热，J/Kg："), "500"},
                             {"Text8", QStringLiteral("液体蒸发的蒸气密度，kg/m3："), "1000"},
                             {"Text9", QStringLiteral("液体密度，kg/m3："), "1200"},
                         },
                         {}, QStringLiteral("两相流泄速度（Kg/s）："), QStringLiteral("two_phase_leak.table"),
                         twoPhaseLeakLegend());
    };
    spec.steps["compute"] = [](Form &f) {
        f.write("Text6", SingleText(twoPhaseLeakRate({
                             .area = f.text("Text1"),
                             .pressure = f.text("Text2"),
                             .heatCapacity = f.text("Text3"),
                             .temperature = f.text("Text4"),
                             .boilingPoint = f.text("Text5"),
                             .vaporisationHeat = f.text("Text7"),
                             .vapourDensity = f.text("Text8"),
                             .liquidDensity = f.text("Text9"),
                         })));
    };
    spec.triggers = {
        {On::Change, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9"}, {"compute"}},
        {On::Click, {"Text6"}, {"compute"}},
    };
    return spec;
}

} // namespace

void registerLeakRateWindows(ToolRegistry &registry)
{
    for (const QString &file : kFormulaFiles)
        formulaPage(formulaPath(file));
    registerFormWindows(registry, QStringLiteral("risk"),
                        {
                            {QStringLiteral("液体泄漏速度"), ToolKind::ComputeButtonCalculator, liquidLeakSpec},
                            {QStringLiteral("气体泄漏量"), ToolKind::ComputeButtonCalculator, gasLeakSpec},
                            {QStringLiteral("两相泄漏量计算"), ToolKind::LiveCalculator, twoPhaseLeakSpec},
                        });
}

} // namespace corvalen
