#include "risk/pool_evaporation_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/files/note_file.h"
#include "common/numbers/number_text.h"
#include "risk/pool_evaporation.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace corvalen {
namespace {

const QString kTotalTip = QStringLiteral("总蒸发量必须在前面三种蒸发量计算完毕后，再输入相应时间，后计算！");
void design(Form &f)
{
    Panel &top = f.top();
    QLabel *title = top.title("Label1", QStringLiteral("蒸发量的计算"));
    setPoints(title, kTitlePoints);
    std::vector<Panel> pages = top.tabs("TabStrip1", {QStringLiteral("闪蒸蒸发"), QStringLiteral("热量蒸发"),
                                                      QStringLiteral("质量蒸发"), QStringLiteral("总蒸发量")});
    f.get<QTabWidget>("TabStrip1")->setTabToolTip(3, kTotalTip);

    Panel flash = pages[0].frame("Frame1", QString());
    flash.box({.name = "Text1", .label = QStringLiteral("液体泄漏总量，Kg："), .text = "10"});
    flash.box({.name = "Text2", .label = QStringLiteral("闪蒸蒸发时间，S："), .text = "30"});
    flash.box({.name = "Text3", .label = QStringLiteral("液体的定压比热，J/(kg·K)："), .text = "1000"});
    flash.box({.name = "Text4", .label = QStringLiteral("泄漏前液体的温度，K："), .text = "300"});
    flash.box({.name = "Text5", .label = QStringLiteral("液体在常压下的沸点，K："), .text = "80"});
    flash.box({.name = "Text6", .label = QStringLiteral("液体的气化热，J/kg："), .text = "5000"});
    flash.result({.name = "Text7", .label = QStringLiteral("闪蒸量，kg/S："), .text = "0", .flags = Bold});
    pages[0].stretch();

    Panel heat = pages[1].frame("Frame2", QString());
    heat.box({.name = "Text8", .label = QStringLiteral("环境温度，k："), .text = "300"});
    heat.box({.name = "Text9", .label = QStringLiteral("沸点温度；k："), .text = "275"});
    heat.box({.name = "Text10", .label = QStringLiteral("液池面积，m2："), .text = "10"});
    heat.box({.name = "Text11", .label = QStringLiteral("液体气化热，J/kg："), .text = "12000"});
    heat.list({.name = "Combo1", .label = QStringLiteral("请选择地面类型："), .items = itemTexts(groundTypes())});
    heat.box({.name = "Text13", .label = QStringLiteral("蒸发时间，s"), .text = "20"});
    heat.result({.name = "Text12", .label = QStringLiteral("热量蒸发速度，kg/s"), .flags = Bold});
    pages[1].stretch();

    Panel mass = pages[2].frame("Frame3", QString());
    mass.list({.name = "Combo2", .label = QStringLiteral("选择稳定度条件："), .items = itemTexts(stabilityClasses())});
    mass.box({.name = "Text14", .label = QStringLiteral("液体表面蒸气压，Pa:"), .text = "2000"});
    mass.box({.name = "Text15", .label = QStringLiteral("泄漏物质分子量M:"), .text = "350"});
    mass.box({.name = "Text16", .label = QStringLiteral("风速，m/s:"), .text = "2"});
    mass.box({.name = "Text17", .label = QStringLiteral("液池半径，m:"), .text = "10"});
    mass.box({.name = "Text19", .label = QStringLiteral("环境温度，k:"), .text = "80"});
    mass.result({.name = "Text18", .label = QStringLiteral("质量蒸发速度，kg/s:"), .flags = Bold});
    pages[2].stretch();

    Panel total = pages[3].frame("Frame4", QString());
    total.box({.name = "Text20", .label = QStringLiteral("闪蒸蒸发时间，s:")});
    total.box({.name = "Text21", .label = QStringLiteral("热量蒸发时间，s:")});
    total.box({.name = "Text22", .label = QStringLiteral("从液体泄漏到液体全部处理完毕的时间，s:")});
    total.result({.name = "Text23", .label = QStringLiteral("液体蒸发总量，kg:"), .flags = Bold});
    pages[3].stretch();

    QPlainTextEdit *note = top.note("Text24",
                                    noteText(QStringLiteral("risk"), QStringLiteral("pool_mass_evaporation.txt")),
                                    QStringLiteral("质量蒸发公式说明"));
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Room for the note's lines as they wrap; Chinese lines stand taller than the
    // font's Latin metrics say.
    setNoteLines(note, 6);
}

FormSpec poolEvaporationSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("风险评价蒸发量");
    spec.design = design;
    spec.steps["RecomputeFlashEvaporation"] = [](Form &f) {
        f.write("Text7", SingleText(flashEvaporationRate({
                             .released = f.text("Text1"),
                             .duration = f.text("Text2"),
                             .heatCapacity = f.text("Text3"),
                             .liquidTemperature = f.text("Text4"),
                             .boilingPoint = f.text("Text5"),
                             .vaporisationHeat = f.text("Text6"),
                         })));
    };
    spec.steps["RecomputeHeatEvaporation"] = [](Form &f) {
        f.write("Text12", SingleText(heatEvaporationRate({
                              .groundType = f.text("Combo1"),
                              .ambientTemperature = f.text("Text8"),
                              .boilingPoint = f.text("Text9"),
                              .poolArea = f.text("Text10"),
                              .vaporisationHeat = f.text("Text11"),
                              .time = f.text("Text13"),
                          })));
    };
    spec.steps["RecomputeMassEvaporation"] = [](Form &f) {
        // Without a stability the box keeps its text.
        const std::optional<float> rate = massEvaporationRate({
            .stability = f.text("Combo2"),
            .vapourPressure = f.text("Text14"),
            .molecularWeight = f.text("Text15"),
            .windSpeed = f.text("Text16"),
            .poolRadius = f.text("Text17"),
            .ambientTemperature = f.text("Text19"),
        });
        if (rate)
            f.write("Text18", SingleText(*rate));
    };
    spec.steps["RecomputeTotalEvaporation"] = [](Form &f) {
        const std::optional<double> total = totalEvaporation({
            .flashRate = f.text("Text7"),
            .heatRate = f.text("Text12"),
            .massRate = f.text("Text18"),
            .flashTime = f.text("Text20"),
            .heatTime = f.text("Text21"),
            .massTime = f.text("Text22"),
        });
        f.write("Text23", total ? DoubleText(*total) : QString());
    };
    spec.triggers = {
        {On::Change, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}, {"RecomputeFlashEvaporation"}},
        {On::Click, {"Text7"}, {"RecomputeFlashEvaporation"}},
        {On::Change, {"Text8", "Text9", "Text10", "Text11", "Text13"}, {"RecomputeHeatEvaporation"}},
        {On::Choose, {"Combo1"}, {"RecomputeHeatEvaporation"}},
        {On::Change, {"Text14", "Text15", "Text16", "Text17", "Text19"}, {"RecomputeMassEvaporation"}},
        {On::Choose, {"Combo2"}, {"RecomputeMassEvaporation"}},
        {On::Click, {"Text18"}, {"RecomputeMassEvaporation"}},
        {On::Change, {"Text20", "Text21", "Text22"}, {"RecomputeTotalEvaporation"}},
        {On::Click, {"Text23"}, {"RecomputeTotalEvaporation"}},
    };
    return spec;
}

} // namespace

void registerPoolEvaporationWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("风险评价蒸发量"), QStringLiteral("risk"), ToolKind::LiveCalculator,
                       poolEvaporationSpec);
}

} // namespace corvalen
