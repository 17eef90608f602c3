#include "atmosphere/guideline_windows.h"

#include "atmosphere/mixing_layer.h"
#include "atmosphere/plume_rise_window.h"
#include "atmosphere/stack_wind.h"
#include "atmosphere/work_grade.h"
#include "common/forms/form_window.h"

#include <QLabel>
#include <QRadioButton>

namespace corvalen {
namespace {

// An option button too narrow for its caption, named by the label beside it.
void labelledOption(Panel &panel, const char *name, const char *labelName, const QString &text)
{
    Panel row = panel.line();
    QRadioButton *option = row.option(name, QString(), QStringLiteral("terrain"));
    option->setAccessibleName(accessibleText(text));
    row.label(labelName, text)->setBuddy(option);
    row.stretch();
}

FormSpec workGradeSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("大气评价等级的划分");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        Panel emission = top.frame("Frame1", QStringLiteral("主要污染物排放量"));
        emission.box({.name = "Text1", .label = QStringLiteral("单位时间排放量Qi [ t/hr ]："), .text = "10",
                      .labelName = "Label1"});
        emission.box({.name = "Text2", .label = QStringLiteral("大气环境质量标准 Ci [ mg/m^3 ] ："), .text = "0.5",
                      .labelName = "Label2"});
        Panel terrain = top.frame("Frame2", QStringLiteral("项目周围地形特征"));
        labelledOption(terrain, "Option1", "Label3", QStringLiteral("平原地形"));
        labelledOption(terrain, "Option2", "Label4", QStringLiteral("复杂地形（山区、丘陵、沿海或大中城市的城区）"));
        top.button("Command1", QStringLiteral("刷新结果"));
        top.report("RichTextBox1", QStringLiteral("评价工作等级"));
    };
    spec.load = [](Form &f) { f.setChecked("Option1", true); };
    spec.steps["grade"] = [](Form &f) {
        const WorkGradeResult r = computeWorkGrade(
            {.emissionRate = f.text("Text1"), .standard = f.text("Text2"),
             .terrain = f.isChecked("Option1") ? Terrain::Flat : Terrain::Complex});
        f.write("RichTextBox1", r.report);
    };
    spec.triggers = {{On::Press, {"Command1"}, {"grade"}}};
    return spec;
}

FormSpec mixingLayerSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("混合层高度计算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.box({.name = "Text1", .label = QStringLiteral("地面10米高处风速 U10 [m/s]："), .text = "2",
                 .labelName = "Label1"});
        top.list({.name = "Combo1", .label = QStringLiteral("大气稳定度等级："), .items = mixingLayerClasses(),
                  .labelName = "Label2"});
        Panel latitude = top.line();
        latitude.box({.name = "Text2", .label = QStringLiteral("本地区的地理纬度："), .text = "27",
                      .unit = QStringLiteral("度"), .labelName = "Label3"});
        latitude.box({.name = "Text3", .text = "0", .unit = QStringLiteral("分"),
                      .accessibleName = QStringLiteral("本地区的地理纬度（分）")});
        latitude.stretch();
        top.list({.name = "Combo2", .label = QStringLiteral("本地所属行政区域："), .items = mixingLayerProvinces(),
                  .labelName = "Label6"});
        top.button("Command1", QStringLiteral("刷新结果"));
        top.report("RichTextBox1", QStringLiteral("混合层高度"))
            ->showReport(QStringLiteral("混合层高度\n    以导则推荐方法计算混合层高度(厚度)."));
    };
    spec.steps["height"] = [](Form &f) {
        const MixingLayerResult r = computeMixingLayer({.windSpeed = f.text("Text1"),
                                                        .stabilityClass = f.text("Combo1"),
                                                        .degrees = f.text("Text2"),
                                                        .minutes = f.text("Text3"),
                                                        .province = f.text("Combo2")});
        f.write("RichTextBox1", r.report);
    };
    spec.triggers = {{On::Press, {"Command1"}, {"height"}}};
    spec.size = QSize(420, 360);
    return spec;
}

// Direct entry of the exponent, or the recommended value by class and terrain.
void enableExponentEntry(Form &f, bool direct)
{
    f.find("Option3")->setEnabled(!direct);
    f.find("Option4")->setEnabled(!direct);
    f.find("Combo1")->setEnabled(!direct);
    f.find("Text3")->setEnabled(direct);
}

FormSpec stackWindSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("烟囱出口风速计算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        Panel inputs = top.frame("Frame1", QString());
        inputs.box({.name = "Text1", .label = QStringLiteral("地面10米高处风速 U10 [m/s]："), .text = "2"});
        inputs.box({.name = "Text2", .label = QStringLiteral("烟囱几何高度       H [ m ]："), .text = "60"});
        Panel direct = inputs.line();
        direct.label("Label3", QStringLiteral("风幂指数"));
        direct.option("Option1", QStringLiteral("直接输入    ："), QStringLiteral("entry"));
        direct.box({.name = "Text3", .text = "0.2", .accessibleName = QStringLiteral("风幂指数")});
        direct.stretch();
        inputs.option("Option2", QStringLiteral("按国标推荐值："), QStringLiteral("entry"));
        Panel table = inputs.frame("Frame2", QString());
        table.list({.name = "Combo1", .label = QStringLiteral("大气稳定度等级："), .items = stackWindClasses()});
        Panel terrain = table.line();
        terrain.label("Label5", QStringLiteral("项目所在位置  ："));
        terrain.option("Option3", QStringLiteral("农村或城市远郊"), QStringLiteral("terrain"));
        terrain.option("Option4", QStringLiteral("城市或城市近郊"), QStringLiteral("terrain"));
        terrain.stretch();
        top.button("Command1", QStringLiteral("刷新结果"));
        top.report("RichTextBox1", QStringLiteral("烟囱出口风速"))
            ->showReport(QStringLiteral("按风速廓线幂指数公式 U = U10 × (H/10)^P 计算烟囱出口处平均风速，"
                                        "风幂指数推荐值取自国家标准。"));
    };
    spec.load = [](Form &f) {
        f.setChecked("Option1", true);
        enableExponentEntry(f, true);
        f.setChecked("Option3", true);
    };
    spec.steps["direct"] = [](Form &f) { enableExponentEntry(f, true); };
    spec.steps["recommended"] = [](Form &f) { enableExponentEntry(f, false); };
    spec.steps["wind"] = [](Form &f) {
        const StackWindResult r = computeStackWind({.windSpeed = f.text("Text1"),
                                                    .height = f.text("Text2"),
                                                    .exponent = f.text("Text3"),
                                                    .directEntry = f.isChecked("Option1"),
                                                    .stabilityClass = f.text("Combo1"),
                                                    .rural = f.isChecked("Option3")});
        f.write("RichTextBox1", r.report);
    };
    spec.triggers = {
        {On::Press, {"Option1"}, {"direct"}},
        {On::Press, {"Option2"}, {"recommended"}},
        {On::Press, {"Command1"}, {"wind"}},
    };
    return spec;
}

} // namespace

void registerGuidelineWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, QStringLiteral("atmosphere"),
                        {
                            {QStringLiteral("大气评价等级的划分"), ToolKind::ComputeButtonCalculator, workGradeSpec},
                            {QStringLiteral("混合层高度计算1"), ToolKind::ComputeButtonCalculator, mixingLayerSpec},
                            {QStringLiteral("烟囱出口风速计算1"), ToolKind::ComputeButtonCalculator, stackWindSpec},
                            {QStringLiteral("烟气抬升高度计算1"), ToolKind::ComputeButtonCalculator, plumeRiseSpec},
                        });
}

} // namespace corvalen
