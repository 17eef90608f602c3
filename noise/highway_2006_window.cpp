#include "noise/highway_window_designs.h"

#include "common/forms/form_style.h"
#include "common/forms/message_box.h"
#include "noise/highway_2006.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace corvalen {
namespace {

const QString kSource = QStringLiteral("《公路建设项目环评影响评价规范》 JTG B03-2006");

QString ratioNote() { return kSource + QStringLiteral("；附录C C1.1-2公式要求，用于计算某种车型的预测车速参数！"); }
QString volumeNote() { return kSource + QStringLiteral(" 公式8.4.2-2中取值规定 ,Ni为各种车型小时流量！"); }
QString speedNote()
{
    return kSource
        + QStringLiteral(" 公式8.4.2-2中取值规定 ,Vi为各种车型平均行驶速度！可根据项目直接影响区相似的公路车辆运行状况分析确定车速！");
}

void design(Form &f)
{
    Panel &top = f.top();
    Panel inputs = top.frame("Frame1", QStringLiteral("交通部公路模型交通噪声预测 "));
    std::vector<Panel> columns = inputs.columns(3);
    Panel &left = columns[0];
    left.box({.name = "Text10", .label = QStringLiteral("预测路段名称："), .text = QStringLiteral("XXX高等级公路")});
    left.box({.name = "Text1", .label = QStringLiteral("单车道车流量："), .text = QStringLiteral("800"),
              .unit = QStringLiteral("辆/h"), .explain = says("Command7", ratioNote())});
    left.box({.name = "Text2", .label = QStringLiteral("大型车车型比："), .text = QStringLiteral("0.3"),
              .explain = says("Command8", ratioNote())});
    left.box({.name = "Text3", .label = QStringLiteral("中型车车型比："), .text = QStringLiteral("0.4"),
              .explain = says("Command9", ratioNote())});
    left.box({.name = "Text4", .label = QStringLiteral("小型车车型比："), .text = QStringLiteral("0.3"),
              .explain = says("Command10", ratioNote())});
    left.box({.name = "Text9", .label = QStringLiteral("预测时间："), .text = QStringLiteral("1"),
              .unit = QStringLiteral("h"),
              .explain = says("Command11", kSource + QStringLiteral(" 公式8.4.2-2中取值规定 ,T为计算等效声级的时间,以1小时！一般不要更改"))});
    left.box({.name = "Text5", .label = QStringLiteral("车道宽度："), .text = QStringLiteral("15"),
              .unit = QStringLiteral("m"), .explain = says("Command5", QStringLiteral("车道宽度为单条行车道的宽度！"))});
    left.box({.name = "Text13", .label = QStringLiteral("树林衰减量："), .text = QStringLiteral("1"),
              .unit = QStringLiteral("dB"),
              .explain = says("Command1", kSource + QStringLiteral("；P42：林带引起的衰减量随着功能区的不同差异不同，最大不超过10dB，"
                                                                      "例如，东北地区的林带密度小，衰减量可以适当减小！"))});
    left.box({.name = "Text14", .label = QStringLiteral("建筑物衰减量："), .text = QStringLiteral("2.5"),
              .unit = QStringLiteral("dB"),
              .explain = says("Command4", kSource + QStringLiteral(
                  "；P42：ΔL 建筑物为建筑障碍物引起的等效A声级衰减量，按下述方法取值：当第一排建筑物占预测点与路面中心线间面积的40%~60%时，"
                  "ΔL2建筑物=3dB； 当第一排建筑物占预测点与路面中心线间面积的70%~90%时，ΔL2建筑物=5dB； "
                  "每增加一排建筑物，ΔL2建筑物值增加1.5dB，最多为10dB。"))});
    left.stretch();

    Panel &middle = columns[1];
    middle.box({.name = "Text11", .label = QStringLiteral("预测点向公路两端视线间的夹角："), .text = QStringLiteral("150")});
    middle.box({.name = "Text6", .label = QStringLiteral("纵坡系数："), .text = QStringLiteral("4.5"),
                .unit = QStringLiteral("%"),
                .explain = says("Command6", kSource + QStringLiteral(
                    "；附录C 表C1.1-3 规定：当纵坡系数（%）小于且等于3时，噪声修正直为0；在4-5之间时，修正值为+1dB；"
                    "在6-7之间时，修正值为+3dB；大于7时，修正值为+5dB；！"))});
    middle.box({.name = "Text12", .label = QStringLiteral("大型车车流量："), .text = QStringLiteral("300"),
                .unit = QStringLiteral("辆/h"), .explain = says("Command12", volumeNote())});
    middle.box({.name = "Text8", .label = QStringLiteral("中型车车流量："), .text = QStringLiteral("400"),
                .unit = QStringLiteral("辆/h"), .explain = says("Command13", volumeNote())});
    middle.box({.name = "Text7", .label = QStringLiteral("小型车车流量："), .text = QStringLiteral("500"),
                .unit = QStringLiteral("辆/h"), .explain = says("Command14", volumeNote())});
    middle.box({.name = "Text15", .label = QStringLiteral("大型车车速："), .text = QStringLiteral("80"),
                .unit = QStringLiteral("Km/h"), .explain = says("Command17", speedNote())});
    middle.box({.name = "Text17", .label = QStringLiteral("中型车车速："), .text = QStringLiteral("90"),
                .unit = QStringLiteral("Km/h"), .explain = says("Command16", speedNote())});
    middle.box({.name = "Text18", .label = QStringLiteral("小型车车速："), .text = QStringLiteral("110"),
                .unit = QStringLiteral("Km/h"), .explain = says("Command15", speedNote())});
    middle.stretch();

    // The option buttons carry the texts of the labels beside them.
    Panel &right = columns[2];
    Panel grade = right.frame("Frame6", QStringLiteral("公路等级"));
    grade.option("Option8", QStringLiteral("双向六车道"));
    grade.option("Option7", QStringLiteral("双向四车道"));
    Panel design = right.frame("Frame2", QStringLiteral("设计时速"));
    design.box({.name = "Text16", .text = QStringLiteral("100"), .unit = QStringLiteral("Km/h"),
                .accessibleName = QStringLiteral("设计时速")});
    Panel speeds = right.frame("Frame5", QStringLiteral("各型车车速计算"));
    speeds.option("Option1", QStringLiteral("手工输入"));
    speeds.option("Option2", QStringLiteral("公式法"));
    Panel pavement = right.frame("Frame3", QStringLiteral("路面修正量"));
    pavement.option("Option4", QStringLiteral("沥清混凝土路面"));
    pavement.option("Option5", QStringLiteral("水泥混凝土路面"));
    right.stretch();

    QLabel *note = top.label("Label37", QStringLiteral("注：关于车速的说明，当选择公式法时，不用手工输入车速！默认为手工输入！公式法预测结果偏大!"));
    setPoints(note, kSmallPoints);
    setBoldFont(note);
    addCommandButtons(top, false);
    addPredictionReport(top, 320);
    widenBoxes(f, "Text10");
}

void predict(Form &f)
{
    const Highway2006Result r = predictHighway2006({
        .sectionName = f.text("Text10"),
        .laneVolume = f.text("Text1"),
        .ratioLarge = f.text("Text2"),
        .ratioMedium = f.text("Text3"),
        .ratioSmall = f.text("Text4"),
        .laneWidth = f.text("Text5"),
        .treeAttenuation = f.text("Text13"),
        .buildingAttenuation = f.text("Text14"),
        .angle = f.text("Text11"),
        .gradient = f.text("Text6"),
        .volumeLarge = f.text("Text12"),
        .volumeMedium = f.text("Text8"),
        .volumeSmall = f.text("Text7"),
        .speedLarge = f.text("Text15"),
        .speedMedium = f.text("Text17"),
        .speedSmall = f.text("Text18"),
        .designSpeed = f.text("Text16"),
        .lanes = f.isChecked("Option7") ? HighwayLanes::Four : HighwayLanes::Six,
        .speeds = f.isChecked("Option1") ? SpeedSource::Manual : SpeedSource::Formula,
        .pavement = f.isChecked("Option5") ? Pavement::Cement : Pavement::Asphalt,
    });
    if (r.zeroSpeedWarning) {
        showMessage(kZeroManualSpeedMessage.toString());
        if (QLineEdit *speed = f.box("Text15"))
            speed->setFocus();
    }
    f.write("RichTextBox1", r.report);
}

} // namespace

void addCommandButtons(Panel &top, bool withHelp)
{
    Panel buttons = top.line();
    buttons.stretch();
    if (withHelp)
        buttons.button("Command1", QStringLiteral("帮    助"));
    buttons.button("Command2", QStringLiteral("刷新结果"));
    buttons.button("Command3", QStringLiteral("退   出"));
    buttons.stretch();
}

QPlainTextEdit *addPredictionReport(Panel &top, int minimumHeight)
{
    Panel results = top.frame("Frame4", QStringLiteral("预测结果"));
    QPlainTextEdit *report = results.report("RichTextBox1", QStringLiteral("预测结果"));
    report->setReadOnly(true);
    report->setFont(faceFont(Face::Mono));
    report->setMinimumHeight(minimumHeight);
    return report;
}

void widenBoxes(Form &form, const char *sectionNameBox)
{
    for (TextBox *box : form.window()->findChildren<TextBox *>())
        box->setMinimumWidth(box->objectName() == QLatin1String(sectionNameBox) ? 150 : 80);
}

FormSpec highway2006Spec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("公路交通噪声预测 《公路建设项目环境影响评价规范》JTG B03-2006");
    spec.design = design;
    spec.load = [](Form &f) {
        f.setChecked("Option8", true);
        f.setChecked("Option4", true);
        f.setChecked("Option1", true);
    };
    spec.steps["predict"] = predict;
    spec.steps["formulaSpeeds"] = [](Form &f) {
        for (const char *box : {"Text15", "Text17", "Text18"})
            f.write(box, QStringLiteral("0"));
    };
    spec.steps["close"] = [](Form &f) { CloseOwnWindow(f.window()); };
    spec.triggers = {
        {On::Press, {"Command2"}, {"predict"}},
        {On::Press, {"Option2"}, {"formulaSpeeds"}},
        {On::Press, {"Command3"}, {"close"}},
    };
    return spec;
}

} // namespace corvalen
