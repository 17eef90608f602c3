#include "solid_waste/sludge_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/numbers/number_text.h"
#include "solid_waste/formula_picture_window.h"
#include "solid_waste/sludge.h"


namespace corvalen {

namespace {


QLabel *titleIn12Point(Panel &panel, const QString &text)
{
    QLabel *title = panel.title(QStringLiteral("Label1"), text);
    setFace(title, Face::Song, kTitlePoints);
    return title;
}

FormSpec settlingTankSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("沉淀池污泥量");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        titleIn12Point(top, QStringLiteral("沉淀池污泥量的计算"));
        const auto box = [&](const char *name, const QString &label, const QString &text) {
            top.box({.name = name, .label = label, .text = text, .flags = Bold, .color = kGreenText,
                     .width = kWideNumberWidth});
        };
        box("Text1", QStringLiteral("废水流量（米^3/日）："), QStringLiteral("1500"));
        box("Text2", QStringLiteral("进水SS浓度（公斤/米^3）："), QStringLiteral("30"));
        box("Text3", QStringLiteral("出水SS浓度（公斤/米^3）："), QStringLiteral("20"));
        box("Text4", QStringLiteral("污泥含水率（%）："), QStringLiteral("10"));
        box("Text5", QStringLiteral("污泥密度（吨/米^3）："), QStringLiteral("300"));
        box("Text6", QStringLiteral("污泥产生量（米^3/天）："), QString());
        Panel basis = top.frame("Frame1", QStringLiteral("计算依据：《环境统计报表填报指南》P82"));
        formulaPicture(basis, QStringLiteral("Image1"), QStringLiteral("settling_tank.text"));
    };
    spec.steps["volume"] = [](Form &f) {
        f.write("Text6", SingleText(settlingTankSludge({.flow = f.text("Text1"), .inflowSS = f.text("Text2"),
                                                         .outflowSS = f.text("Text3"),
                                                         .waterContent = f.text("Text4"),
                                                         .density = f.text("Text5")})));
    };
    spec.triggers = {
        {On::Change, {"Text1", "Text2", "Text3", "Text4", "Text5"}, {"volume"}},
        {On::Click, {"Text6"}, {"volume"}},
    };
    return spec;
}

FormSpec sewageSludgeSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("污泥量计算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        titleIn12Point(top, QStringLiteral("生活污水处理厂污泥产生量的计算"));
        const auto box = [&](const char *name, const QString &label, const QString &text) {
            top.box({.name = name, .label = label, .text = text, .flags = Bold, .color = kGreenText,
                     .width = kWideNumberWidth});
        };
        box("Text1", QStringLiteral("计算的人口数："), QStringLiteral("20000"));
        box("Text2", QStringLiteral("K沉(沉砂系数)选取："), QStringLiteral("0.009"));
        box("Text3", QStringLiteral("K初(初沉池污泥系数)选取："), QStringLiteral("0.02"));
        box("Text7", QStringLiteral("K(干腐殖及剩余污染量系数)选取："), QStringLiteral("0.018"));
        box("Text8", QStringLiteral("污泥含水率："), QStringLiteral("0"));
        top.button("Command2", QStringLiteral("刷新结果"));
        // G = M·ΣK/1000 is in tonnes per day: the results are labelled so.
        box("Text4", QStringLiteral("干污泥产生量（t/日）="), QString());
        box("Text6", QStringLiteral("湿污泥产生量（t/日）="), QString());
        top.button("Command1", QStringLiteral("查看来源"));
    };
    // The window-level values live as long as the window instance.
    spec.values = WindowValues::maker<SewageSludge>();
    spec.steps["press"] = [](Form &f) {
        auto *sludge = &f.values<SewageSludge>();
        sludge->press({.population = f.text("Text1"), .gritFactor = f.text("Text2"),
                       .primaryFactor = f.text("Text3"), .humusFactor = f.text("Text7"),
                       .waterContent = f.text("Text8")});
        f.write("Text4", SingleText(sludge->drySludge));
        f.write("Text6", SingleText(sludge->wetSludge));
    };
    spec.steps["source"] = showsWindow(QStringLiteral("生活污水处理污泥计算来源"));
    spec.triggers = {
        {On::Press, {"Command2"}, {"press"}},
        {On::Press, {"Command1"}, {"source"}},
    };
    return spec;
}

} // namespace

void registerSludgeWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, QStringLiteral("solid_waste"),
                        {
                            {QStringLiteral("沉淀池污泥量"), ToolKind::LiveCalculator, settlingTankSpec},
                            {QStringLiteral("污泥量计算"), ToolKind::ComputeButtonCalculator, sewageSludgeSpec},
                        });
}

} // namespace corvalen
