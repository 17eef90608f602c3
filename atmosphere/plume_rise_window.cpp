#include "atmosphere/plume_rise_window.h"

#include "atmosphere/plume_rise.h"
#include "common/numbers/number_text.h"

namespace corvalen {

FormSpec plumeRiseSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("烟气抬升高度计算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        std::vector<Panel> columns = top.columns(2);
        Panel source = columns[0].frame("Frame1", QStringLiteral("污染源参数"));
        source.box({.name = "Text1", .label = QStringLiteral("烟筒几何高度    H [  m  ]："), .text = "60"});
        source.box({.name = "Text2", .label = QStringLiteral("烟筒出口直径    d [  m  ]："), .text = "1"});
        source.box({.name = "Text3", .label = QStringLiteral("烟筒出口烟气量  Qv[m^3/s]："), .text = "10"});
        source.box({.name = "Text4", .label = QStringLiteral("烟筒出口烟气温度Ts[  ℃ ]："), .text = "100"});
        columns[0].stretch();
        Panel weather = columns[1].frame("Frame2", QStringLiteral("污染源参数"));
        weather.list({.name = "Combo1", .label = QStringLiteral("大气稳定度等级           ："), .items = plumeRiseClasses()});
        weather.box({.name = "Text7", .label = QStringLiteral("地面风速(10米) U10[ m/s ]："), .text = "2"});
        weather.box({.name = "Text6", .label = QStringLiteral("烟筒出口风速     U[ m/s ]："), .text = "3",
                     .explain = {.button = "Command1", .opens = QStringLiteral("烟囱出口风速计算1"),
                                 .caption = QStringLiteral("...")}});
        weather.box({.name = "Text5", .label = QStringLiteral("环境大气温度     T[  ℃ ]："), .text = "15"});
        weather.box({.name = "Text8", .label = QStringLiteral("大气温度梯度   dTdZ[ K/m]："), .text = "-0.0098"});
        weather.box({.name = "Text9", .label = QStringLiteral("大气比标压      Pa[ atm ]："), .text = "1"});
        Panel terrain = weather.line();
        terrain.label("Label11", QStringLiteral("项目所在位置："));
        terrain.option("Option1", QStringLiteral("农村或城市远郊"));
        terrain.option("Option2", QStringLiteral("城市或城市近郊"));
        terrain.stretch();
        top.button("Command2", QStringLiteral("刷新结果"));
        top.report("RichTextBox1", QStringLiteral("烟气抬升高度"))
            ->showReport(QStringLiteral("烟气抬升高度\n    以导则推荐方法计算烟气抬升高度.如果烟筒高度超过240米，按240米计；"
                                        "如果计算结果有效抬升高度未知,请检查数据输入!"));
    };
    spec.load = [](Form &f) { f.setChecked("Option1", true); };
    // "D-E" has no default gradient: the box keeps its text.
    spec.steps["gradient"] = [](Form &f) {
        if (const auto gradient = defaultLapseRate(f.text("Combo1")))
            f.write("Text8", DoubleText(*gradient));
    };
    spec.steps["rise"] = [](Form &f) {
        const PlumeRiseResult r = computePlumeRise({.height = f.text("Text1"),
                                                    .diameter = f.text("Text2"),
                                                    .gasFlow = f.text("Text3"),
                                                    .gasTemperature = f.text("Text4"),
                                                    .stabilityClass = f.text("Combo1"),
                                                    .windSpeed10 = f.text("Text7"),
                                                    .windSpeed = f.text("Text6"),
                                                    .airTemperature = f.text("Text5"),
                                                    .lapseRate = f.text("Text8"),
                                                    .pressure = f.text("Text9"),
                                                    .rural = f.isChecked("Option1")});
        f.write("RichTextBox1", r.report);
    };
    spec.triggers = {{On::Choose, {"Combo1"}, {"gradient"}}, {On::Press, {"Command2"}, {"rise"}}};
    spec.size = QSize(760, 720);
    return spec;
}

} // namespace corvalen
