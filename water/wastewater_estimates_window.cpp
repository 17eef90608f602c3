#include "water/wastewater_estimates_window.h"

#include "common/forms/form_window.h"
#include "water/wastewater_estimates.h"


namespace corvalen {
namespace {

const QString kToolbox = QStringLiteral("water");
const QString kHospital = QStringLiteral("医院水污染物排放");
const QString kServiceArea = QStringLiteral("公路项目生活服务区水污染物");
const QString kMetalFinishing = QStringLiteral("乡镇企业金属表面及热处理业排污量计算");

FormSpec hospitalSpec()
{
    FormSpec spec;
    spec.caption = kHospital;
    spec.values = WindowValues::maker<HospitalWastewater>();
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title("Label1", QStringLiteral("医院水污染物的排放"));
        top.list({.name = "Combo1", .label = QStringLiteral("请选择医院规模："),
                  .items = {kLargeHospital.toString(), kMediumHospital.toString(), kSmallHospital.toString()}});
        top.box({.name = "Text1", .label = QStringLiteral("请输入医院平均使用床位数：")});
        top.button("Command2", QStringLiteral("计算"));
        top.result({.name = "Text4", .label = QStringLiteral("耗水量（T/年）=")});
        top.result({.name = "Text2", .label = QStringLiteral("污水量（T/年）=")});
        top.result({.name = "Text3", .label = QStringLiteral("BOD5（T/年）=")});
        top.result({.name = "Text5", .label = QStringLiteral("悬浮物（T/年）=")});
        top.result({.name = "Text6", .label = QStringLiteral("氨氮（T/年）=")});
    };
    spec.steps["compute"] = [](Form &f) {
        auto *hospital = &f.values<HospitalWastewater>();
        hospital->press({.size = f.text("Combo1"), .beds = f.text("Text1")});
        f.write("Text4", SingleText(hospital->water));
        f.write("Text2", SingleText(hospital->wastewater));
        f.write("Text3", SingleText(hospital->bod5));
        f.write("Text5", SingleText(hospital->ss));
        f.write("Text6", SingleText(hospital->ammonia));
    };
    spec.triggers = {{On::Press, {"Command2"}, {"compute"}}};
    return spec;
}

// Writes a result whose step succeeded; a failed step leaves the box.
void writeIfComputed(Form &f, const QString &box, std::optional<double> value)
{
    if (value)
        f.write(box, DoubleText(*value));
}

FormSpec serviceAreaSpec()
{
    FormSpec spec;
    spec.caption = kServiceArea;
    spec.values = WindowValues::maker<ServiceAreaWastewater>();
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title("Label1", QStringLiteral("公路项目生活服务区水污染排放计算"));
        top.box({.name = "Text1", .label = QStringLiteral("生活服务区人数："), .text = QStringLiteral("100")});
        top.box({.name = "Text2", .label = QStringLiteral("生活区污水排放系数："), .text = QStringLiteral("0.75")});
        top.box({.name = "Text3", .label = QStringLiteral("每人每天生活污水定额（L/人天）："), .text = QStringLiteral("100")});
        top.box({.name = "Text4", .label = QStringLiteral("昼夜交通量（辆/d）："), .text = QStringLiteral("20000")});
        top.box({.name = "Text5", .label = QStringLiteral("冲洗每辆用车所需水量（L/辆）："), .text = QStringLiteral("450")});
        top.box({.name = "Text6", .label = QStringLiteral("生活污水中该污染物的浓度（mg/L）："), .text = QStringLiteral("500")});
        top.box({.name = "Text7", .label = QStringLiteral("冲洗废水中该污染物的浓度（mg/L）："), .text = QStringLiteral("100")});
        Panel buttons = top.line();
        buttons.button("Command1", QStringLiteral("计算"));
        buttons.button("Command2", QStringLiteral("清除"));
        top.result({.name = "Text8", .label = QStringLiteral("生活区排放生活污水量（T/d）：")})->setMinimumWidth(150);
        top.result({.name = "Text9", .label = QStringLiteral("生活污水中该种污染物排放量（Kg/d）：")})->setMinimumWidth(150);
        top.result({.name = "Text10", .label = QStringLiteral("车辆冲洗水排放污水量（T/d）：")})->setMinimumWidth(150);
        top.result({.name = "Text11", .label = QStringLiteral("冲洗水中该种污染物排放量（Kg/d）：")})->setMinimumWidth(150);
    };
    spec.steps["compute"] = [](Form &f) {
        const ServiceAreaResults results =
            f.values<ServiceAreaWastewater>().press({.persons = f.text("Text1"), .coefficient = f.text("Text2"),
                                                     .quota = f.text("Text3"), .traffic = f.text("Text4"),
                                                     .washWater = f.text("Text5"), .domesticConc = f.text("Text6"),
                                                     .washConc = f.text("Text7")});
        writeIfComputed(f, "Text8", results.domesticFlow);
        writeIfComputed(f, "Text9", results.domesticLoad);
        writeIfComputed(f, "Text10", results.washFlow);
        writeIfComputed(f, "Text11", results.washLoad);
    };
    // The persons, the traffic and the four results; the coefficients stay.
    spec.steps["clear"] = [](Form &f) {
        for (const char *box : {"Text1", "Text4", "Text8", "Text9", "Text10", "Text11"})
            f.write(QString::fromLatin1(box), QStringLiteral("0"));
    };
    spec.triggers = {{On::Press, {"Command1"}, {"compute"}}, {On::Press, {"Command2"}, {"clear"}}};
    return spec;
}

FormSpec metalFinishingSpec()
{
    FormSpec spec;
    spec.caption = kMetalFinishing;
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title("Label1", kMetalFinishing);
        top.list({.name = "Combo1", .label = QStringLiteral("请选择行业类别："),
                  .items = {kCyanidePlating.toString(), kChromePlating.toString(), kCircuitBoards.toString()}});
        top.box({.name = "Text1", .label = QStringLiteral("输入原料或产品量：")});
        top.box({.name = "Text2", .label = QStringLiteral("说明：")});
        Panel frame = top.frame("Frame1", QStringLiteral("产生的污染物"));
        frame.report("RichTextBox1", QStringLiteral("产生的污染物"))->setMinimumSize(560, 230);
    };
    spec.steps["note"] = [](Form &f) { f.write("Text2", metalFinishingNote(f.text("Combo1"))); };
    spec.steps["report"] = [](Form &f) {
        if (const std::optional<QStringList> lines = metalFinishingReport(f.text("Combo1"), f.text("Text1")))
            f.get<ReportBox>("RichTextBox1")->showReport(*lines);
    };
    spec.triggers = {{On::Choose, {"Combo1"}, {"note"}}, {On::Change, {"Text1"}, {"report"}}};
    return spec;
}

} // namespace

void registerWastewaterEstimateWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, kToolbox,
                        {
                            {kHospital, ToolKind::ComputeButtonCalculator, hospitalSpec},
                            {kServiceArea, ToolKind::ComputeButtonCalculator, serviceAreaSpec},
                            {kMetalFinishing, ToolKind::LiveCalculator, metalFinishingSpec},
                        });
}

} // namespace corvalen
