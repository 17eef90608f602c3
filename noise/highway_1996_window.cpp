#include "noise/highway_window_designs.h"

#include "common/files/note_file.h"
#include "common/forms/form_style.h"
#include "common/forms/tool_registry.h"
#include "noise/highway_1996.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace corvalen {
namespace {

Field input(const char *name, const char *label, const char *text, const char *labelName, const char *unit = "")
{
    return {.name = QLatin1String(name), .label = QString::fromUtf8(label), .text = QString::fromUtf8(text),
            .unit = QString::fromUtf8(unit), .labelName = QLatin1String(labelName)};
}

void design(Form &f)
{
    Panel &top = f.top();
    Panel inputs = top.frame("Frame1", QStringLiteral("交通部公路模型交通噪声预测"));
    std::vector<Panel> columns = inputs.columns(4);
    // Read row by row, left to right: year, gradient, lane width, ground;
    // the large, medium and small volumes by day and by night with the
    // time and obstacles; pavement; section name and angle.
    columns[0].box(input("Text1", "预测年份：", "2003", "Label1"));
    columns[0].box(input("Text2", "大型车昼流量：", "50", "Label2"));
    columns[0].box(input("Text3", "中型车昼流量：", "220", "Label3"));
    columns[0].box(input("Text4", "小型车昼流量：", "200", "Label4"));
    columns[0].box(input("Text10", "预测路段名称：", "XXX高速公路", "Label10"));
    columns[0].stretch();
    columns[1].box(input("Text6", "纵坡坡度：", "0.04", "Label6"));
    columns[1].box(input("Text5", "大型车夜流量：", "30", "Label5", "辆/h"));
    columns[1].box(input("Text8", "中型车夜流量：", "120", "Label8", "辆/h"));
    columns[1].box(input("Text12", "小型车夜流量：", "120", "Label12", "辆/h"));
    columns[1].box(input("Text11", "预测点向公路两端视线间的夹角：", "150", "Label11"));
    columns[1].stretch();
    columns[2].box(input("Text7", "车道宽度：", "15", "Label7"));
    columns[2].box(input("Text9", "预测时间：", "1", "Label9"));
    columns[2].box(input("Text13", "树林衰减量：", "0", "Label22"));
    columns[2].box(input("Text14", "建筑物衰减量：", "0", "Label23"));
    columns[2].stretch();
    f.get<QLabel>("Label7")->setToolTip(QStringLiteral("本程序仅限双向四车道交通噪声预测！"));
    // The option buttons carry the texts of the labels beside them.
    Panel ground = columns[3].frame("Frame2", QStringLiteral("地面状况"));
    ground.option("Option1", QStringLiteral("硬地面"));
    ground.option("Option2", QStringLiteral("一般土地面"));
    ground.option("Option3", QStringLiteral("绿化草地地面"));
    Panel pavement = columns[3].frame("Frame3", QStringLiteral("路面修正量"));
    pavement.option("Option4", QStringLiteral("沥清地面"));
    pavement.option("Option5", QStringLiteral("水泥地面"));
    columns[3].stretch();

    addCommandButtons(top, true);
    addPredictionReport(top, 110)->setLineWrapMode(QPlainTextEdit::NoWrap);
    Panel remarks = top.frame("Frame5", QStringLiteral("说明"));
    QPlainTextEdit *note = remarks.note("Text15",
                                        noteText(QStringLiteral("noise"), QStringLiteral("highway_1996_remarks.txt")),
                                        QStringLiteral("说明"));
    note->setMinimumHeight(250);
    widenBoxes(f, "Text10");
}

} // namespace

FormSpec highway1996Spec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("公路交通噪声预测JTJ 005-96");
    spec.design = design;
    // The window-level values: ground constant, distances and results.
    spec.values = WindowValues::maker<Highway1996>();
    spec.load = [](Form &f) {
        f.values<Highway1996>().load();  // ordinary ground, as choosing Option2 sets it
        f.setChecked("Option2", true);
        f.setChecked("Option4", true);
    };
    spec.steps["hardGround"] = [](Form &f) { f.values<Highway1996>().chooseGround(Ground::Hard); };
    spec.steps["ordinaryGround"] = [](Form &f) { f.values<Highway1996>().chooseGround(Ground::Ordinary); };
    spec.steps["lawn"] = [](Form &f) { f.values<Highway1996>().chooseGround(Ground::Lawn); };
    spec.steps["predict"] = [](Form &f) {
        f.write("RichTextBox1", f.values<Highway1996>().press({
                                    .sectionName = f.text("Text10"),
                                    .year = f.text("Text1"),
                                    .gradient = f.text("Text6"),
                                    .laneWidth = f.text("Text7"),
                                    .dayLarge = f.text("Text2"),
                                    .nightLarge = f.text("Text5"),
                                    .dayMedium = f.text("Text3"),
                                    .nightMedium = f.text("Text8"),
                                    .daySmall = f.text("Text4"),
                                    .nightSmall = f.text("Text12"),
                                    .woodsAttenuation = f.text("Text13"),
                                    .buildingAttenuation = f.text("Text14"),
                                    .angle = f.text("Text11"),
                                    .pavement = f.isChecked("Option5") ? Pavement::Cement : Pavement::Asphalt,
                                }));
    };
    spec.steps["help"] = [](Form &) {
        const QString help = QString::fromUtf8(kHighway1996Help);
        if (ToolRegistry::global().contains(help))
            ShowToolWindow(help);
    };
    spec.steps["close"] = [](Form &f) { CloseOwnWindow(f.window()); };
    spec.triggers = {
        {On::Press, {"Option1"}, {"hardGround"}},
        {On::Press, {"Option2"}, {"ordinaryGround"}},
        {On::Press, {"Option3"}, {"lawn"}},
        {On::Press, {"Command1"}, {"help"}},
        {On::Press, {"Command2"}, {"predict"}},
        {On::Press, {"Command3"}, {"close"}},
    };
    return spec;
}

} // namespace corvalen
