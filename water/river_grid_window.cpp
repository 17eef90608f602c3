#include "water/river_grid_window.h"

#include "common/forms/form_window.h"
#include "common/views/grid_model_window.h"
#include "common/views/result_window.h"
#include "water/river_grid_cumulative.h"
#include "water/river_grid_mixing.h"

#include <QLabel>
#include <QPushButton>
#include <vector>

namespace corvalen {
namespace {

const QString kToolbox = QStringLiteral("water");
const QString kComputeCaption = QStringLiteral("计  算  结  果");
const QString kBankToolTip = QStringLiteral("取0时为近岸排放，非0时为离岸排放！");
const QString kResultToolTip =
    QStringLiteral("数据可以复制到文字处理软件中，后在文字处理软件采用文字转换为表格的方式获得规范数据表格！");

HandOffTarget resultTarget(const char *fileName, const char *window, const char *caption)
{
    return {.fileName = QString::fromUtf8(fileName), .resultWindow = QString::fromUtf8(window),
            .caption = QString::fromUtf8(caption), .toolTip = kResultToolTip};
}

// One row of the parameter frame: a box on the left, one on the right (or
// none).
struct ParameterRow
{
    Field left;
    Field right = {};
};

enum class Family { Mixing, Cumulative };

// What tells the four windows apart.
struct RiverGridForm
{
    QString name;  // also the caption
    Family family;
    bool decays;
    HandOffTarget target;  // its hand-off file and result window
    std::vector<ParameterRow> parameters;
    QString buttonToolTip;  // of both compute buttons
    QString helpWindow;     // opened by Command3; empty: no such button
};

Field parameter(const char *name, const char *label, const char *text, QString toolTip = {})
{
    return Field{.name = QLatin1String(name), .label = QString::fromUtf8(label),
                 .text = QLatin1String(text), .toolTip = toolTip};
}

std::vector<ParameterRow> mixingParameters(bool decays)
{
    std::vector<ParameterRow> rows = {
        {parameter("Text1", "河流上游污染物浓度Ch（mg/L）：", "0.1"),
         parameter("Text2", "污染物排放浓度Cp（mg/L）：", "100")},
        {parameter("Text3", "平均水深H（M）：", "0.5"),
         parameter("Text4", "横向混合系数My（M^2/S）：", "5")},
        {parameter("Text5", "表示河流中断面平均流速μ（m/s）：", "0.2"),
         parameter("Text6", "废水排放量Qp（m^3/s）：", "1")},
        {parameter("Text7", "河流宽度B（m）：", "100"),
         parameter("Text8", "排放口离岸边距离a（m）：", "0", decays ? kBankToolTip : QString())},
    };
    if (decays) {
        Field k1 = parameter("Text16", "降解系数K1（1/d）：", "1");
        k1.labelName = QStringLiteral("Label16");
        rows.push_back({k1});
    }
    return rows;
}

std::vector<ParameterRow> cumulativeParameters(bool decays)
{
    std::vector<ParameterRow> rows = {
        {parameter("Text1", "河水流量Qh（m^3/s）：", "10"), parameter("Text2", "河流水深H（m）：", "0.5")},
        {parameter("Text3", "本底浓度Ch（mg/L）：", "0.1"), parameter("Text5", "废水排放量Qp（m^3/s）：", "1")},
        {parameter("Text6", "河流横向混合系数My（m^2/s）：", "5.0"),
         parameter("Text7", "污染物排放浓度Cp（mg/L）：", "100")},
        {parameter("Text8", "排放口离岸边距离a（m）：", "0", kBankToolTip),
         parameter("Text16", "河水流速μ（m/s）：", "0.2")},
    };
    if (decays)
        rows.push_back({parameter("Text4", "综合降解系数K1（1/d）：", "1")});
    return rows;
}

const std::vector<RiverGridForm> &riverGridForms()
{
    static const std::vector<RiverGridForm> forms = {
        {QStringLiteral("二维稳态混合模式_河2"), Family::Mixing, false,
         resultTarget("河二模式计算结果.txt", "河二模式计算结果", "河二模式计算结果"),
         mixingParameters(false),
         QStringLiteral("用于持久性污染物的平直河流混合过程段，不考虑纵向弥散,即Mx=0。"),
         QStringLiteral("河二帮助")},
        {QStringLiteral("二维稳态混合衰减模式_河6"), Family::Mixing, true,
         resultTarget("河六模式计算结果.txt", "河6模式计算结果", "河6模式计算结果"),
         mixingParameters(true),
         QStringLiteral("适用于非持久性污染物平直河流的混合过程段(不考虑纵向混合,Mx=0)。"),
         QStringLiteral("河6帮助")},
        {QStringLiteral("稳态累积流量模式_河4"), Family::Cumulative, false,
         resultTarget("河四模式计算结果.txt", "河四模式计算结果", "河四计算结果"),
         cumulativeParameters(false),
         QStringLiteral("用于持久污染物在弯曲河流的混合过程段(不考虑纵向混合,Mx=0)扩散，要求河床截面近似矩形。"),
         QString()},
        {QStringLiteral("稳态混合衰减累积流量模式_河8"), Family::Cumulative, true,
         resultTarget("河八模式计算结果.txt", "河八模式计算结果", "河八模式计算结果"),
         cumulativeParameters(true),
         QStringLiteral(" 用于非持久性污染物,弯曲河段的混合过程段(不考虑纵向混合,Mx=0)。要求河床截面近似矩形。"),
         QString()},
    };
    return forms;
}

// The help button stands only where its document can be opened.
bool hasHelp(const RiverGridForm &form)
{
    return !form.helpWindow.isEmpty() && ToolRegistry::global().contains(form.helpWindow);
}

// Two columns of labelled boxes in a frame.
void twoColumns(Panel &frame, const std::vector<ParameterRow> &rows)
{
    std::vector<Panel> columns = frame.columns(2);
    for (const ParameterRow &row : rows) {
        columns[0].box(row.left);
        if (!row.right.name.isEmpty())
            columns[1].box(row.right);
    }
}

void design(Form &f, const RiverGridForm &form)
{
    Panel &top = f.top();
    Panel parameters = top.frame("Frame1", QStringLiteral("参数输入："));
    twoColumns(parameters, form.parameters);

    Panel point = top.frame("Frame2", QStringLiteral("某点计算结果："));
    twoColumns(point, {{parameter("Text9", "计算点离排放口流线距离X（m）：", "10"),
                        parameter("Text10", "计算点离排放口横向距离Y（m）：", "10")}});
    Panel pointResult = point.line();
    pointResult.button("Command1", kComputeCaption)->setToolTip(form.buttonToolTip);
    // Label11 names the point as typed: it follows X and Y, elided where
    // long, and stands beside the result box as its label.
    const QString designLabel = QStringLiteral("C（10，10）（mg/L）：");
    QLabel *pointLabel = pointResult.echo("Label11", designLabel);
    // Wide enough for the design-time caption with points of a few digits.
    pointLabel->setMinimumWidth(pointLabel->fontMetrics().horizontalAdvance(designLabel + QStringLiteral("0000")));
    pointLabel->setBuddy(pointResult.box({.name = "Text11", .label = {},
                                          .accessibleName = QStringLiteral("C（X，Y）（mg/L）")}));

    Panel grid = top.frame("Frame3", QStringLiteral("网格计算结果："));
    twoColumns(grid, {{parameter("Text12", "计算点离排放口流线范围XL（m）：", "3000"),
                       parameter("Text14", "计算点离排放口流线网格Xc（m）：", "100")},
                      {parameter("Text13", "计算点离排放口横向范围YL（m）：", "100"),
                       parameter("Text15", "计算点离排放口横向网格Yc（m）：", "10")}});
    Panel buttons = grid.line();
    buttons.button("Command2", kComputeCaption)->setToolTip(form.buttonToolTip);
    if (hasHelp(form))
        buttons.button("Command3", QStringLiteral("帮助"));

    top.progress("ProgressBar1");
}

MixingBoxes mixingBoxes(const Form &f, bool decays)
{
    return {.ch = f.text("Text1"), .cp = f.text("Text2"), .h = f.text("Text3"), .my = f.text("Text4"),
            .u = f.text("Text5"), .qp = f.text("Text6"), .b = f.text("Text7"), .a = f.text("Text8"),
            .k1 = decays ? f.text("Text16") : QString(), .decays = decays};
}

CumulativeBoxes cumulativeBoxes(const Form &f, bool decays)
{
    return {.qh = f.text("Text1"), .h = f.text("Text2"), .ch = f.text("Text3"), .qp = f.text("Text5"),
            .my = f.text("Text6"), .cp = f.text("Text7"), .a = f.text("Text8"), .u = f.text("Text16"),
            .k1 = decays ? f.text("Text4") : QString(), .decays = decays};
}

void computePoint(Form &f, const RiverGridForm &form)
{
    f.write("Text11", form.family == Family::Mixing
                          ? mixingPointText(mixingBoxes(f, form.decays), f.text("Text9"), f.text("Text10"))
                          : cumulativePointText(cumulativeBoxes(f, form.decays), f.text("Text9"), f.text("Text10")));
}

// XL, Xc, YL, Yc.
constexpr GridBoxNames kGridBoxes{"Text12", "Text14", "Text13", "Text15"};

void computeGrid(Form &f, const RiverGridForm &form, ProgressState &progress)
{
    const GridBoxes boxes = readGridBoxes(f, kGridBoxes);
    const GridResult grid = form.family == Family::Mixing ? mixingGrid(mixingBoxes(f, form.decays), boxes)
                                                          : cumulativeGrid(cumulativeBoxes(f, form.decays), boxes);
    handOverGrid(f, progress, grid, kRiverGridRules, form.target);
}

FormSpec riverGridSpec(const RiverGridForm &form)
{
    FormSpec spec;
    spec.caption = form.name;
    spec.size = QSize(760, 480);
    spec.design = [&form](Form &f) { design(f, form); };
    // The progress bar's state is the window's only value between clicks:
    // shown from the design on, 0 to 100.
    spec.values = WindowValues::maker<ProgressState>();
    spec.load = [](Form &f) {
        ProgressState &progress = f.values<ProgressState>();
        progress = ProgressState();
        progress.visible = true;
        showGridBar(f, progress);
    };
    spec.steps["point"] = [&form](Form &f) { computePoint(f, form); };
    spec.steps["grid"] = [&form](Form &f) { computeGrid(f, form, f.values<ProgressState>()); };
    spec.steps["label"] = [](Form &f) {
        f.write("Label11", QStringLiteral("C（") + f.text("Text9") + QStringLiteral("，") + f.text("Text10")
                               + QStringLiteral("）（mg/L）："));
    };
    spec.triggers = {
        {On::Press, {"Command1"}, {"point"}},
        {On::Press, {"Command2"}, {"grid"}},
        {On::Change, {"Text9", "Text10"}, {"label"}},
    };
    if (form.family == Family::Cumulative) {
        spec.steps["reset"] = [](Form &f) {
            ProgressState &progress = f.values<ProgressState>();
            resetGridProgress(progress, 100);
            showGridBar(f, progress);
        };
        spec.triggers.push_back({On::Change, {"Text8"}, {"reset"}});
    }
    if (hasHelp(form)) {
        spec.steps["help"] = [&form](Form &) { ShowToolWindow(form.helpWindow); };
        spec.triggers.push_back({On::Press, {"Command3"}, {"help"}});
    }
    return spec;
}

} // namespace

void registerRiverGridWindows(ToolRegistry &registry)
{
    for (const RiverGridForm &form : riverGridForms()) {
        registerFormWindow(registry, form.name, kToolbox, ToolKind::ComputeButtonCalculator,
                           [&form] { return riverGridSpec(form); });
        registerResultWindow(registry, form.target, kToolbox);
    }
}

} // namespace corvalen
