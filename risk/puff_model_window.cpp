#include "risk/puff_model_window.h"

#include "common/form_window.h"
#include "common/message_box.h"
#include "common/number_text.h"
#include "common/result_window.h"
#include "risk/puff_model.h"

#include <QProgressBar>
#include <memory>

namespace corvalen {
namespace {

const QString kModel = QStringLiteral("风险评价之烟团模式");
const QString kComputeCaption = QStringLiteral("计     算 ");

std::optional<double> numberIn(const Form &f, const char *box)
{
    return ToDouble(f.text(box));
}

PuffInputs readInputs(const Form &f)
{
    return {.q = numberIn(f, "Text1"), .sigmaX = numberIn(f, "Text2"), .sigmaY = numberIn(f, "Text3"),
            .sigmaZ = numberIn(f, "Text4"), .x0 = numberIn(f, "Text8"), .y0 = numberIn(f, "Text9"),
            .z0 = numberIn(f, "Text10")};
}

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

// The progress bar's state is the window's only value between clicks.
struct PuffState
{
    ProgressState progress;

    void show(Form &f) { showProgress(f.get<QProgressBar>("ProgressBar1"), progress); }
};

void computeGrid(Form &f, PuffState &state)
{
    const PuffGridBounds bounds{floorOf(numberIn(f, "Text13")), floorOf(numberIn(f, "Text12")),
                                floorOf(numberIn(f, "Text14")), floorOf(numberIn(f, "Text11"))};
    const PuffGrid grid = computePuffGrid(readInputs(f), bounds);
    if (grid.outcome == PuffGridOutcome::BadBounds) {
        showMessage(QStringLiteral("纵向、横向的范围和网格须为数值，且网格取整后不能为0，网格计算未进行！"));
        return;
    }
    if (grid.outcome == PuffGridOutcome::TooManyPoints) {
        showMessage(QStringLiteral("网格点数超过%1个，网格计算未进行，请加大网格或缩小范围！").arg(kMaxGridPoints));
        return;
    }
    // The bar follows the rows: 0 to the x range, at the last row's x.
    for (double x : grid.xValues) {
        state.progress.setMinimum(0);
        state.progress.setMaximum(*bounds.xEnd);
        state.progress.visible = true;
        state.progress.setValue(x);
    }
    state.show(f);
    WriteHandOffFile(puffHandOffTarget(), puffGridText(grid));
}

void computeDistance(Form &f, PuffState &state)
{
    const CriticalDistance found = criticalDistance(readInputs(f), numberIn(f, "Text15"));
    // Every round that goes on sets the bar to 0..100 and shows it; a search
    // met in its first round has set nothing before it ends the bar at 100.
    if (!found.found || found.rounds > 1) {
        state.progress.setMinimum(0);
        state.progress.setMaximum(100);
        state.progress.visible = true;
    }
    state.progress.setValue(100);
    state.show(f);
    f.write("Text16", found.found ? DoubleText(found.x) : QStringLiteral("25000M内未找到临界距离"));
}

void resetProgress(Form &f, PuffState &state)
{
    state.progress.setMinimum(0);
    if (const std::optional<double> range = floorOf(numberIn(f, "Text13")))
        state.progress.setMaximum(*range);
    state.progress.visible = true;
    state.progress.setValue(0);
    state.show(f);
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
    auto state = std::make_shared<PuffState>();
    FormSpec spec;
    spec.caption = QStringLiteral("风险评价之多烟团模式计算");
    spec.size = QSize(860, 440);
    spec.design = design;
    spec.load = [state](Form &f) {
        state->progress = ProgressState();
        state->show(f);
    };
    spec.steps["point"] = [](Form &f) {
        f.write("Text7", SingleText(pointConcentration(readInputs(f), numberIn(f, "Text18"), numberIn(f, "Text17"))));
    };
    spec.steps["grid"] = [state](Form &f) { computeGrid(f, *state); };
    spec.steps["distance"] = [state](Form &f) { computeDistance(f, *state); };
    spec.steps["help"] = [](Form &) { ShowToolWindow(QStringLiteral("风险评价之烟团帮助")); };
    spec.steps["sigmaXToY"] = mirror("Text2", "Text3");
    spec.steps["sigmaYToX"] = mirror("Text3", "Text2");
    spec.steps["pointLabel"] = [](Form &f) {
        f.write("Label12", f.text("Text18") + u',' + f.text("Text17") + QStringLiteral(",0"));
    };
    spec.steps["resetProgress"] = [state](Form &f) { resetProgress(f, *state); };
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
