#include "risk/puff_model_window.h"

#include "common/forms/form_window.h"
#include "common/views/grid_model_window.h"
#include "common/views/result_window.h"
#include "risk/puff_model.h"


namespace corvalen {
namespace {

const QString kModel = QStringLiteral("风险评价之烟团模式");
const QString kComputeCaption = QStringLiteral("计     算 ");

PuffBoxes puffBoxes(const Form &f)
{
    return {.q = f.text("Text1"), .sigmaX = f.text("Text2"), .sigmaY = f.text("Text3"), .sigmaZ = f.text("Text4"),
            .x0 = f.text("Text8"), .y0 = f.text("Text9"), .z0 = f.text("Text10")};
}

// X range, X step, Y range, Y step.
constexpr GridBoxNames kGridBoxes{"Text13", "Text12", "Text14", "Text11"};

void design(Form &f)
{
    std::vector<Panel> columns = f.top().columns(2);
    Panel puff = columns[0].frame("Frame1", QStringLiteral("参数输入"));
    puff.box({.name = "Text1", .label = QStringLiteral("Q(事故期间烟团排放量:mg)："), .text = "12000000"});
    puff.box({.name = "Text2", .label = QStringLiteral("σx(x方向扩散系数)："), .text = "200"});
    puff.box({.name = "Text3", .label = QStringLiteral("σy(Y方向扩散系数)："), .text = "200"});
    puff.box({.name = "Text4", .label = QStringLiteral("σz(Z方向扩散系数)："), .text = "100"});
    puff.box({.name = "Text8", .label = QStringLiteral("X0(烟团中心坐标)："), .text = "0"});
    puff.box({.name = "Text9", .label = QStringLiteral("Y0(烟团中心坐标)："), .text = "0"});
    puff.box({.name = "Text10", .label = QStringLiteral("Z0(烟团中心坐标)："), .text = "1"});
    puff.stretch();

    Panel &right = columns[1];
    Panel point = right.frame("Frame2", QStringLiteral("下风向地面某点的空气中污染物的浓度C(X,Y,0)(mg/M^3)："));
    point.box({.name = "Text18", .label = QStringLiteral("X(下风向地面某点坐标X)："), .text = "200"});
    point.box({.name = "Text17", .label = QStringLiteral("Y(下风向地面某点坐标Y)："), .text = "100"});
    // The result line C(x,y,0)= value, whose middle label names the point.
    Panel result = point.line();
    result.label("Label7", QStringLiteral("C("));
    result.echo("Label12", QStringLiteral("200,100,0"));
    result.result({.name = "Text7", .label = QStringLiteral(")="), .labelName = "Label13",
                   .accessibleName = QStringLiteral("C(X,Y,0)")});
    result.button("Command1", kComputeCaption);

    Panel distance = right.frame("Frame3", QStringLiteral("下风向临界点距离L（X,0,0）的计算"));
    distance.box({.name = "Text15", .label = QStringLiteral("请输入临界浓度（mg/M^3)："), .text = "0.03"});
    distance.result({.name = "Text16", .label = QStringLiteral("临界距离（M)："), .flags = Bold});
    distance.button("Command4", kComputeCaption);

    Panel grid = right.frame("Frame4", QStringLiteral("下风向地面网格点空气中污染物的浓度计算（mg/M^3)"));
    grid.box({.name = "Text13", .label = QStringLiteral("纵向范围（X）："), .text = "5000", .toolTip = QStringLiteral("下风向距离")});
    grid.box({.name = "Text12", .label = QStringLiteral("纵向网格（XL）："), .text = "500", .toolTip = QStringLiteral("下风向网格")});
    grid.box({.name = "Text14", .label = QStringLiteral("横向范围（Y）："), .text = "1000"});
    grid.box({.name = "Text11", .label = QStringLiteral("横向网格（YL）："), .text = "100"});
    Panel buttons = grid.line();
    buttons.button("Command2", kComputeCaption);
    buttons.button("Command3", QStringLiteral("用前请查看帮助"));

    f.top().progress("ProgressBar1");
}

void computeGrid(Form &f, ProgressState &bar)
{
    handOverGrid(f, bar, puffGrid(puffBoxes(f), readGridBoxes(f, kGridBoxes)), kPuffGridRules, puffHandOffTarget());
}

void computeDistance(Form &f, ProgressState &bar)
{
    const PuffDistance distance = puffDistance(puffBoxes(f), f.text("Text15"));
    // Every round that goes on sets the bar to 0..100 and shows it; a search
    // met in its first round has set nothing before it ends the bar at 100.
    if (!distance.search.found || distance.search.rounds > 1) {
        bar.setMinimum(0);
        bar.setMaximum(100);
        bar.visible = true;
    }
    bar.setValue(100);
    showGridBar(f, bar);
    f.write("Text16", distance.text);
}

// A box set to the text it holds would raise another change, so the pair
// writes only a differing text and settles.
Step mirror(const char *from, const char *to)
{
    return [from, to](Form &f) {
        if (f.text(to) != f.text(from))
            f.write(to, f.text(from));
    };
}

FormSpec puffSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("风险评价之多烟团模式计算");
    spec.size = QSize(860, 440);
    spec.design = design;
    // The progress bar's state is the window's only value between clicks.
    spec.values = WindowValues::maker<ProgressState>();
    spec.load = [](Form &f) {
        ProgressState &bar = f.values<ProgressState>();
        bar = ProgressState();
        showGridBar(f, bar);
    };
    spec.steps["point"] = [](Form &f) {
        f.write("Text7", puffPointText(puffBoxes(f), f.text("Text18"), f.text("Text17")));
    };
    spec.steps["grid"] = [](Form &f) { computeGrid(f, f.values<ProgressState>()); };
    spec.steps["distance"] = [](Form &f) { computeDistance(f, f.values<ProgressState>()); };
    spec.steps["help"] = showsWindow(QStringLiteral("风险评价之烟团帮助"));
    spec.steps["sigmaXToY"] = mirror("Text2", "Text3");
    spec.steps["sigmaYToX"] = mirror("Text3", "Text2");
    spec.steps["pointLabel"] = [](Form &f) {
        f.write("Label12", f.text("Text18") + u',' + f.text("Text17") + QStringLiteral(",0"));
    };
    // A grid input empties the bar, 0 to the X range's whole metres.
    spec.steps["resetProgress"] = [](Form &f) {
        ProgressState &bar = f.values<ProgressState>();
        resetGridProgress(bar, gridNumber(f.text(kGridBoxes.xEnd), kPuffGridRules));
        showGridBar(f, bar);
    };
    spec.triggers = {
        {On::Press, {"Command1"}, {"point"}},
        {On::Press, {"Command2"}, {"grid"}},
        {On::Press, {"Command3"}, {"help"}},
        {On::Press, {"Command4"}, {"distance"}},
        {On::Change, {"Text2"}, {"sigmaXToY"}},
        {On::Change, {"Text3"}, {"sigmaYToX"}},
        {On::Change, {"Text18", "Text17"}, {"pointLabel"}},
        {On::Change, {"Text11", "Text12", "Text13", "Text14"}, {"resetProgress"}},
    };
    return spec;
}

} // namespace

const HandOffTarget &puffHandOffTarget()
{
    static const HandOffTarget target{
        .fileName = QStringLiteral("风险评价计算结果.txt"),
        .resultWindow = QStringLiteral("风险评价烟团之网格计算结果"),
        .caption = QStringLiteral("风险评价之烟团模式网格计算结果"),
        .toolTip = QStringLiteral("此计算结果可以复制到文字处理软件中,采用文字转换为表格的形式得到规范数据表!"),
        .framed = true,
    };
    return target;
}

void registerPuffModelWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, kModel, QStringLiteral("risk"), ToolKind::ComputeButtonCalculator, puffSpec);
    registerResultWindow(registry, puffHandOffTarget(), QStringLiteral("risk"));
}

} // namespace corvalen
