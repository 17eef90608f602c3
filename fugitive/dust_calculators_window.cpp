#include "fugitive/dust_calculators_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/files/note_file.h"
#include "common/numbers/steps.h"
#include "fugitive/dust_formulas.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace corvalen {
namespace {

const QString kToolbox = QStringLiteral("fugitive");

// One window of the kind: a heading, rows of boxes top to bottom, and below
// them the formula (a label or a framed text), or the help button.
struct DustForm
{
    QString name;
    QString caption;
    QString heading;  // the heading label Label1
    std::vector<Field> rows;
    QString formulaLabel;  // Label6, a one-line formula
    QString frameCaption;  // Frame1 around the formula text
    QString formulaBox;    // the formula text's box
    QString formulaFile;   // its text, a note of data/fugitive/notes
    std::map<QString, Step> steps;
    std::vector<Trigger> triggers;
};

Field input(const QString &box, const QString &caption, const QString &design, Explanation explain = {})
{
    return {.name = box, .label = caption, .text = design, .explain = explain};
}

Field result(const QString &box, const QString &caption, Explanation explain = {})
{
    return {.name = box, .label = caption, .flags = Result, .explain = explain};
}

// The coal pile's recompute: Qp through the trigger's pattern, then the
// direction's yearly dust from the Qp text just written.
Step coalPileRecompute(QStringView pilePattern)
{
    return [pilePattern](Form &form) {
        const std::optional<double> qp =
            coalPileDust({.k = form.text("Text1"), .windSpeed = form.text("Text2"),
                          .startWindSpeed = form.text("Text3"), .moisture = form.text("Text4"),
                          .coalPiled = form.text("Text5")});
        form.write("Text6", PatternOrDot(qp, pilePattern));
        form.write("Text9", PatternOrDot(coalPileDirectionDust(form.text("Text6"), form.text("Text8")),
                                         kCoalPileDirectionPattern));
    };
}

DustForm coalPileForm()
{
    DustForm f;
    f.name = QStringLiteral("秦皇岛码头煤堆起尘量计算");
    f.caption = f.name;
    f.heading = f.name;
    f.rows = {
        input("Text1", "K-经验系数，是煤含水量的函数：", "0.96",
              says("Command1", u" K-经验系数，是煤含水量的函数，取K=0.96；")),
        input("Text2", "U-煤场平均风速，m/s：", "4",
              says("Command5", u"请选取煤场某种风向下的风速,你可以选取主导风向或是其它的风向!")),
        input("Text3", "U0-煤尘的启动风速，m/s：", "3.0", says("Command2", u"U0-煤尘的启动风速，m/s，取3.0m/s")),
        input("Text4", "W-煤尘表面含水率，%：", "10"),
        input("Text5", "P-煤场年累计堆煤量，t/a：", "4000",
              says("Command3", u"此为计算量,实际起尘量应该考虑你用取风速的风频,计算量与风频的积为实际起尘量")),
        result("Text6", "Qp-煤堆起尘量，kg/a："),
        input("Text8", "所选用风向出现的频率：风频（%）：", "3.28"),
        // Command4 stands beside A but does nothing (see the design).
        result("Text9", "该风向下煤堆实际起尘量，t/a：", {.button = "Command4"}),
    };
    f.steps = {
        {"change", coalPileRecompute(kCoalPileChangePattern)},
        {"click", coalPileRecompute(kCoalPileClickPattern)},
    };
    f.triggers = {
        {On::Change, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text8"}, {"change"}},
        {On::Click, {"Text6", "Text9"}, {"click"}},
    };
    return f;
}

DustForm loadingForm()
{
    DustForm f;
    f.name = QStringLiteral("秦皇岛码头装卸起尘量计算1");
    f.caption = QStringLiteral("秦皇岛码头装卸起尘量计算");
    f.heading = f.caption;
    f.rows = {
        input("Text1", "H-物料落差，m：", "0.5"),
        input("Text2", "U-气象平均风速，m/s：", "1.5"),
        input("Text3", "W-物料含水率，%：", "2.0"),
        result("Text4", "Q-物料起尘量,mg/s："),
        result("Text9", "该风向下装卸起尘量，t/a："),
    };
    f.formulaLabel = QStringLiteral("公式：Q=1133.33*U^1.6*H^1.23*e^(-0.28W)");
    f.steps = {{"Q", [](Form &form) {
                    const std::optional<double> q = loadingDustRate(
                        {.dropHeight = form.text("Text1"), .windSpeed = form.text("Text2"),
                         .moisture = form.text("Text3")});
                    form.write("Text4", PatternOrDot(q, kLoadingPattern));
                    form.write("Text9", PatternOrDot(loadingYearlyDust(q), kLoadingPattern));
                }}};
    f.triggers = {
        {On::Change, {"Text1", "Text2", "Text3"}, {"Q"}},
        {On::Click, {"Text4", "Text9"}, {"Q"}},
    };
    return f;
}

const QString kRoadFormulaCaption = QStringLiteral("计算公式：");

DustForm portRoadForm()
{
    DustForm f;
    f.name = QStringLiteral("某港口道路扬尘计算1");
    f.caption = QStringLiteral("某港口道路扬尘计算");
    f.heading = f.caption;
    f.rows = {
        input("Text1", "V-汽车速度(km/h)：", "10"),
        input("Text2", "W-汽车载重量(T)：", "45"),
        input("Text3", "P-道路表面粉尘量(kg/m^2)：", "0.2"),
        result("Text6", "Qi-每辆汽车行驶扬尘量(kg/km*辆)："),
    };
    f.frameCaption = kRoadFormulaCaption;
    f.formulaBox = QStringLiteral("Text7");
    f.formulaFile = QStringLiteral("dust_port_road.txt");
    f.steps = {{"Qi", writes("Text6", kPortRoadPattern, [](auto box) {
                    return portRoadDust({.speed = box("Text1"), .weight = box("Text2"), .surfaceDust = box("Text3")});
                })}};
    f.triggers = {{On::Change, {"Text1", "Text2", "Text3"}, {"Qi"}}, {On::Click, {"Text6"}, {"Qi"}}};
    return f;
}

DustForm vehicleRoadForm()
{
    DustForm f;
    f.name = QStringLiteral("汽车道路扬尘计算");
    f.caption = f.name;
    f.heading = f.name;
    f.rows = {
        input("Text1", "V-汽车速度(km/h)：", "60"),
        input("Text2", "W-汽车重量(T)：", "20"),
        input("Text3", "P-道路表面粉尘量(kg/m^2)：", "0.2"),
        result("Text6", "Qi-每辆汽车行驶扬尘量(kg/km*辆)："),
    };
    f.frameCaption = kRoadFormulaCaption;
    f.formulaBox = QStringLiteral("Text7");
    f.formulaFile = QStringLiteral("dust_vehicle_road.txt");
    f.steps = {{"Qi", writes("Text6", kVehicleRoadPattern, [](auto box) {
                    return vehicleRoadDust({.speed = box("Text1"), .weight = box("Text2"), .surfaceDust = box("Text3")});
                })}};
    f.triggers = {{On::Change, {"Text1", "Text2", "Text3"}, {"Qi"}}, {On::Click, {"Text6"}, {"Qi"}}};
    return f;
}

DustForm siteForm()
{
    DustForm f;
    f.name = QStringLiteral("建设工地起尘量的计算");
    f.caption = f.name;
    f.heading = QStringLiteral("建设工地起尘量计算");
    f.rows = {
        input("Text1", "P-可扬起尘粒(直径<30um)比例数：", "0.62",
              says("Command1", u"P-可扬起尘粒(直径<30um)比例数；石子路面为0.62，泥土路面为0.32；")),
        input("Text2", "s-表面粉矿成分百分比，12%：", "12"),
        input("Text3", "V-车辆驶过工地的平均车速，km/h：", "15"),
        input("Text4", "w-一年中降水量大于0.254mm的天数：", "150"),
        input("Text5", "T-每辆车的平均轮胎数：", "6", says("Command2", u"车子的轮胎数，一般为6个轮胎")),
        result("Text6", "E-单辆车引起的工地起尘量散发因子，kg/km："),
    };
    f.frameCaption = kRoadFormulaCaption;
    f.formulaBox = QStringLiteral("Text7");
    f.formulaFile = QStringLiteral("dust_building_site.txt");
    f.steps = {{"E", writes("Text6", kSitePattern, [](auto box) {
                    return siteDustFactor({.liftable = box("Text1"), .silt = box("Text2"), .speed = box("Text3"),
                                           .rainDays = box("Text4"), .tyres = box("Text5")});
                })}};
    f.triggers = {{On::Change, {"Text1", "Text2", "Text3", "Text4", "Text5"}, {"E"}},
                  {On::Click, {"Text6"}, {"E"}}};
    return f;
}

DustForm windPileForm()
{
    DustForm f;
    f.name = QStringLiteral("煤堆起尘量计算");
    f.caption = f.name;
    f.heading = f.name;
    f.rows = {
        input("Text1", "U-临界风速，m/s，取大于5.5m/s：", "6"),
        input("Text2", "S-煤堆表面积，m2：", "200"),
        input("Text3", "ω-空气相对湿度，取60%：", "60"),
        input("Text4", "W-煤物料湿度，原煤6%：", "6"),
        result("Text6", "Qm-煤堆起尘量，mg/s："),
    };
    f.frameCaption = QStringLiteral("计算公式及说明:");
    f.formulaBox = QStringLiteral("Text5");
    f.formulaFile = QStringLiteral("dust_wind_pile.txt");
    f.steps = {{"Qm", writes("Text6", kWindPilePattern, [](auto box) {
                    return windPileDust({.windSpeed = box("Text1"), .area = box("Text2"), .humidity = box("Text3"),
                                         .moisture = box("Text4")});
                })}};
    f.triggers = {{On::Change, {"Text1", "Text2", "Text3", "Text4"}, {"Qm"}}, {On::Click, {"Text6"}, {"Qm"}}};
    return f;
}

DustForm roadFactorForm()
{
    DustForm f;
    f.name = QStringLiteral("道路起尘量计算");
    f.caption = f.name;
    f.heading = f.name;
    f.rows = {
        input("Text1", "V-车辆驶过的平均车速，km/h：", "40"),
        input("Text2", "T-每辆车的平均轮胎数，一般取6：", "4"),
        input("Text3", "U-起尘风速，一般取5m/s：", "5.0"),
        result("Text6", "E-单辆车引起的道路起尘量散发因子，kg/km："),
    };
    f.frameCaption = kRoadFormulaCaption;
    f.formulaBox = QStringLiteral("Text7");
    f.formulaFile = QStringLiteral("dust_road.txt");
    f.steps = {{"E", writes("Text6", kRoadFactorPattern, [](auto box) {
                    return roadDustFactor({.speed = box("Text1"), .tyres = box("Text2"), .windSpeed = box("Text3")});
                })}};
    f.triggers = {{On::Change, {"Text1", "Text2", "Text3"}, {"E"}}, {On::Click, {"Text6"}, {"E"}}};
    return f;
}

void design(Form &form, const DustForm &f)
{
    Panel &top = form.top();
    top.title(QStringLiteral("Label1"), f.heading);
    Panel rows = top.columns(1).front();
    for (Field field : f.rows) {
        field.width = kNumberWidth;
        rows.box(field);
        if (field.explain.button.isEmpty())
            continue;
        // The "......?" buttons are only as wide as their caption.
        if (auto *button = form.get<QPushButton>(field.explain.button))
            button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    }
    rows.grid()->setColumnStretch(1, 1);
    // A button without a note or a window to open does nothing at all.
    for (const Field &field : f.rows) {
        if (!field.explain.button.isEmpty() && field.explain.message.isEmpty() && field.explain.opens.isEmpty())
            QObject::disconnect(form.get<QPushButton>(field.explain.button), &QPushButton::clicked, nullptr, nullptr);
    }

    if (!f.formulaLabel.isEmpty())
        top.label(QStringLiteral("Label6"), f.formulaLabel);
    if (!f.formulaBox.isEmpty()) {
        Panel frame = top.frame(QStringLiteral("Frame1"), f.frameCaption);
        QPlainTextEdit *text = frame.note(f.formulaBox,
                                          noteText(QStringLiteral("fugitive"), f.formulaFile),
                                          f.frameCaption);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setTipColours(text);
        // Wide enough for its longest line, so only long notes wrap.
        const int widest = widestLineWidth(text);
        text->setMinimumWidth(std::min(widest, 520) + 40);
        // Its lines and one more: the text ends with a line feed.
        setNoteLines(text, std::min(text->blockCount(), 9), true);
    }
}

FormSpec dustSpec(const DustForm &f)
{
    return describedSpec(f, design);
}

void registerDustForm(ToolRegistry &registry, const DustForm &f)
{
    registerFormWindow(registry, f.name, kToolbox, ToolKind::LiveCalculator, [f] { return dustSpec(f); });
}

} // namespace

void registerDustCalculatorWindows(ToolRegistry &registry)
{
    for (const auto &makeForm : {loadingForm, portRoadForm, vehicleRoadForm, siteForm, windPileForm, roadFactorForm})
        registerDustForm(registry, makeForm());

    // The coal pile's help button opens the formula window with its worked
    // example.
    DustForm coalPile = coalPileForm();
    registerFormWindow(registry, coalPile.name, kToolbox, ToolKind::LiveCalculator, [coalPile] {
        FormSpec spec = dustSpec(coalPile);
        spec.design = [coalPile](Form &form) {
            design(form, coalPile);
            // As wide as the window: alone on a line of its own.
            form.top().line().button(QStringLiteral("Command6"), QStringLiteral("查看帮助文档"));
        };
        spec.steps["help"] = showsWindow(QStringLiteral("秦皇岛码头煤堆起尘量计算公式1"));
        spec.triggers.push_back({On::Press, {"Command6"}, {"help"}});
        return spec;
    });
}

} // namespace corvalen
