#include "water/river_profile_window.h"

#include "common/forms/form_window.h"
#include "common/forms/line_report_box.h"
#include "common/numbers/progress_state.h"
#include "water/river_profile_bay.h"
#include "water/river_profile_frolov.h"
#include "water/river_profile_mixing.h"
#include "water/river_profile_thomas.h"

#include <QGroupBox>
#include <QProgressBar>
#include <vector>

namespace corvalen {
namespace {

// The frames' and the report's texts, the same in all four windows (they
// speak of the bay model and a grid in every one of them).
const QString kInputFrameTip = QStringLiteral("海湾5-约瑟夫-新德那（Joseph-Sendner，简称约-新）模式\n；");
const QString kResultFrameTip =
    QStringLiteral("本式适用于海湾持久性污染物三级评价。可用于计算离点源排放口径向距离为r (m)处的污水浓度。");
const QString kReportTip = QStringLiteral("本数据可以采用复制和粘帖的方式进行处理！");
const QString kRateTip = QStringLiteral("K1为0时为河3模式,不为0时为河7模式");

// The one press of a window: the report of the model in force, the bar
// moved on the way.
using Press = std::function<QString(const Form &, ProgressState &)>;

struct ProfileForm
{
    QString name;
    QString caption;
    std::vector<Field> inputs;       // the upper frame, top to bottom
    ProfileRange range;              // design texts of Text5, Text9, Text8
    bool modelCheck = false;         // Check1 switches to complete mixing
    QStringList barResetBoxes = {};  // boxes whose change empties the bar
    Press press = {};
};

ProfileRange rangeOf(const Form &f)
{
    return {.rmin = f.text("Text5"), .rmax = f.text("Text9"), .step = f.text("Text8")};
}

// The S-P boxes that complete mixing greys out, in the order it does.
const QStringList kOxygenSagBoxes{"Text7", "Text6", "Text10", "Text11", "Text13", "Text9", "Text5", "Text8"};

const std::vector<ProfileForm> &profileForms()
{
    static const std::vector<ProfileForm> forms = {
        {
            QStringLiteral("完全混合模式_河15"),
            QStringLiteral("河流模式1,5"),
            {
                {.name = "Text3", .label = QStringLiteral("河水流量Qh（M^3/S）："), .text = "10"},
                {.name = "Text4", .label = QStringLiteral("排放口上游污染物浓度Ch（mg/L）："), .text = "0.1"},
                {.name = "Text12", .label = QStringLiteral("污水流量Qp（M^3/S）："), .text = "1"},
                {.name = "Text2", .label = QStringLiteral("废水污染物排放浓度Cp（mg/L）："), .text = "100"},
                {.name = "Text7", .label = QStringLiteral("河水流速u（m/s）："), .text = "1"},
                {.name = "Text6", .label = QStringLiteral("污水中亏氧量Dp（mg/L）："), .text = "4.5", .toolTip = kRateTip},
                {.name = "Text10", .label = QStringLiteral("河流本底氧亏Dh（mg/L）："), .text = "1.5"},
                {.name = "Text11", .label = QStringLiteral("河流耗氧系数K1（1/d）："), .text = "1"},
                {.name = "Text13", .label = QStringLiteral("河流复氧系数K2（1/d）："), .text = "1.5"},
            },
            {.rmin = "100", .rmax = "2000", .step = "100"},
            true,
            {},
            [](const Form &f, ProgressState &bar) {
                return mixingReport({.qh = f.text("Text3"), .ch = f.text("Text4"), .qp = f.text("Text12"),
                                     .cp = f.text("Text2"), .u = f.text("Text7"), .dp = f.text("Text6"),
                                     .dh = f.text("Text10"), .k1 = f.text("Text11"), .k2 = f.text("Text13"),
                                     .range = rangeOf(f), .velocityEnabled = f.box("Text7")->isEnabled()},
                                    bar);
            },
        },
        {
            QStringLiteral("托马斯模式_河9"),
            QStringLiteral("托马斯模式_河9"),
            {
                {.name = "Text1", .label = QStringLiteral("废水排放量Qp（M^3/S）："), .text = "1"},
                {.name = "Text2", .label = QStringLiteral("废水污染物排放浓度Cp（mg/L）："), .text = "100"},
                {.name = "Text3", .label = QStringLiteral("河水流量Qh（M^3/S）："), .text = "10"},
                {.name = "Text4", .label = QStringLiteral("排放口上游污染物浓度Ch（mg/L）："), .text = "0.1"},
                {.name = "Text6", .label = QStringLiteral("污水中亏氧量Dp（mg/L）："), .text = "4.5", .toolTip = kRateTip},
                {.name = "Text7", .label = QStringLiteral("河水流速u（m/s）："), .text = "1"},
                {.name = "Text10", .label = QStringLiteral("河流本底氧亏量Dh（mg/L）："), .text = "1.5"},
                {.name = "Text11", .label = QStringLiteral("河流耗氧系数K1（1/d）："), .text = "1"},
                {.name = "Text12", .label = QStringLiteral("河流沉降系数K3（1/d）：："), .text = "0.3"},
                {.name = "Text13", .label = QStringLiteral("河流复氧系数K2（1/d）："), .text = "1.5"},
            },
            {.rmin = "100", .rmax = "2000", .step = "100"},
            false,
            {},
            [](const Form &f, ProgressState &bar) {
                return thomasReport({.qp = f.text("Text1"), .cp = f.text("Text2"), .qh = f.text("Text3"),
                                     .ch = f.text("Text4"), .u = f.text("Text7"), .dp = f.text("Text6"),
                                     .dh = f.text("Text10"), .k1 = f.text("Text11"), .k2 = f.text("Text13"),
                                     .k3 = f.text("Text12"), .range = rangeOf(f)},
                                    bar);
            },
        },
        {
            QStringLiteral("弗罗模式_河37"),
            QStringLiteral("弗罗模式_河37"),
            {
                {.name = "Text1", .label = QStringLiteral("废水排放量Qp（M^3/S）："), .text = "1.0"},
                {.name = "Text2", .label = QStringLiteral("废水污染物排放浓度Cp（mg/L）："), .text = "100"},
                {.name = "Text3", .label = QStringLiteral("本底浓度Ch（mg/L）："), .text = "0.1"},
                {.name = "Text4", .label = QStringLiteral("河水流速V（m/s）："), .text = "0.2"},
                {.name = "Text6", .label = QStringLiteral("降解系数K1（1/d）："), .text = "1", .toolTip = kRateTip},
                {.name = "Text7", .label = QStringLiteral("河水水深H（m）："), .text = "0.5"},
                {.name = "Text10", .label = QStringLiteral("排放口系数ε（）："), .text = "1"},
                {.name = "Text11", .label = QStringLiteral("水力半径R（m）："), .text = "100"},
                {.name = "Text12", .label = QStringLiteral("河床糙率n（）："), .text = "0.05"},
                {.name = "Text13", .label = QStringLiteral("河水流量Qh（M^3/S）："), .text = "10"},
            },
            {.rmin = "10", .rmax = "400", .step = "20"},
            false,
            {"Text5", "Text6", "Text8", "Text9"},
            [](const Form &f, ProgressState &bar) {
                return frolovReport({.qp = f.text("Text1"), .cp = f.text("Text2"), .ch = f.text("Text3"),
                                     .v = f.text("Text4"), .k1 = f.text("Text6"), .h = f.text("Text7"),
                                     .epsilon = f.text("Text10"), .r = f.text("Text11"), .n = f.text("Text12"),
                                     .qh = f.text("Text13"), .range = rangeOf(f)},
                                    bar);
            },
        },
        {
            QStringLiteral("约_新模式1"),
            QStringLiteral("约_新模式（海湾五）"),
            {
                {.name = "Text1", .label = QStringLiteral("废水排放量Qp（M^3/S）："), .text = "1.0"},
                {.name = "Text2", .label = QStringLiteral("废水污染物排放浓度Cp（mg/L）："), .text = "100"},
                {.name = "Text3", .label = QStringLiteral("混合速度Mv（M/s）："), .text = "0.005"},
                {.name = "Text4", .label = QStringLiteral("废水排放角度ф（弧度）："), .text = "3.1415926"},
                {.name = "Text6", .label = QStringLiteral("海水中污染物本底浓度Ch（mg/L）："), .text = "0"},
                {.name = "Text7", .label = QStringLiteral("混合深度d（m）："), .text = "2"},
            },
            {.rmin = "100", .rmax = "1000", .step = "100"},
            false,
            {},
            [](const Form &f, ProgressState &bar) {
                return bayReport({.qp = f.text("Text1"), .cp = f.text("Text2"), .mv = f.text("Text3"),
                                  .angle = f.text("Text4"), .ch = f.text("Text6"), .depth = f.text("Text7"),
                                  .range = rangeOf(f)},
                                 bar);
            },
        },
    };
    return forms;
}

void designProfile(Form &f, const ProfileForm &form)
{
    Panel inputs = f.top().frame("Frame1", QStringLiteral("参数输入："));
    inputs.container()->setToolTip(kInputFrameTip);
    std::vector<Panel> columns = inputs.columns(2);
    const int half = int(form.inputs.size() + 1) / 2;
    for (int i = 0; i < int(form.inputs.size()); ++i)
        columns[i < half ? 0 : 1].box(form.inputs[i])->setMinimumWidth(100);
    if (form.modelCheck)
        columns[1].check("Check1", QStringLiteral("只计算完全混合浓度(河1)"));
    columns[0].stretch();
    columns[1].stretch();

    Panel results = f.top().frame("Frame2", QStringLiteral("网格计算结果"));
    results.container()->setToolTip(kResultFrameTip);
    results.box({.name = "Text9", .label = QStringLiteral("预测点距排放口最远距离Rmax（M）："), .text = form.range.rmax});
    results.box({.name = "Text5", .label = QStringLiteral("预测点距排放口最近距离Rmin（M）："), .text = form.range.rmin});
    results.box({.name = "Text8", .label = QStringLiteral("网格距离Rl（M）："), .text = form.range.step});
    results.button("Command1", QStringLiteral("刷新结果"));
    // A report of up to 100,000 lines: only the lines in view are laid out.
    auto *report = new LineReportBox(results.container());
    report->setObjectName(QStringLiteral("RichTextBox1"));
    report->setAccessibleName(QStringLiteral("计算结果"));
    report->setToolTip(kReportTip);
    report->setMinimumHeight(220);
    results.place(report);

    f.top().progress("ProgressBar1");
}

FormSpec profileSpec(const ProfileForm &form)
{
    const auto showBar = [](Form &f) {
        showProgress(f.get<QProgressBar>("ProgressBar1"), f.values<ProgressState>());
    };

    FormSpec spec;
    spec.caption = form.caption;
    // The bar's own state is the window's value between presses.
    spec.values = WindowValues::maker<ProgressState>();
    spec.design = [&form](Form &f) { designProfile(f, form); };
    // Closing discards what the controls show: every opening starts from the
    // bar of the design, whatever the last press left in it.
    spec.load = [showBar](Form &f) {
        f.values<ProgressState>() = ProgressState();
        showBar(f);
    };
    spec.steps["compute"] = [&form, showBar](Form &f) {
        // Built whole, then shown in one write.
        f.write("RichTextBox1", form.press(f, f.values<ProgressState>()));
        showBar(f);
    };
    spec.triggers = {{On::Press, {"Command1"}, {"compute"}}};
    if (form.modelCheck) {
        spec.steps["switchModel"] = [showBar](Form &f) {
            const bool enable = !f.box("Text7")->isEnabled();
            for (const QString &name : kOxygenSagBoxes)
                f.box(name)->setEnabled(enable);
            resetProfileProgress(f.values<ProgressState>());
            showBar(f);
        };
        spec.triggers.push_back({On::Press, {"Check1"}, {"switchModel"}});
    }
    if (!form.barResetBoxes.isEmpty()) {
        spec.steps["resetBar"] = [showBar](Form &f) {
            resetProfileProgress(f.values<ProgressState>());
            showBar(f);
        };
        spec.triggers.push_back({On::Change, form.barResetBoxes, {"resetBar"}});
    }
    return spec;
}

} // namespace

void registerRiverProfileWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, QStringLiteral("water"), ToolKind::ComputeButtonCalculator, profileForms(), profileSpec);
}

} // namespace corvalen
