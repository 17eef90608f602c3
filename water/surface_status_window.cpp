#include "water/surface_status_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "water/surface_status.h"
#include "water/surface_tabs_window.h"

#include <QComboBox>

namespace corvalen {
namespace {

const QString kNemerowTab = QStringLiteral("内梅罗平均值");
const QString kSingleFactorTab = QStringLiteral("单项评价指数");
const QString kPurificationTab = QStringLiteral("自净利用指数");
const QString kRankingTab = QStringLiteral("污染排序指数(ISE)");
const QString kGeneralParameter = QStringLiteral("一般参数");

const QStringList kNemerowHelp = {
    QStringLiteral("    输入一个数据序列(以“|”分隔),用以计算其内梅罗(Nemerow)平均值。"),
    QStringLiteral("    内梅罗(Nemerow)平均值突出了高值的影响，比算术平均值要大。"),
    QStringLiteral("    数据输入应在数值输入状态下,最后一个数据也应以“|”结束,否则少计算最后一个数据,"
                   "若计算结果未知,请检查数据中是否非数数字输入!"),
};
const QStringList kSingleFactorHelp = {
    QStringLiteral("    计算各测点对某一类物质的评价指数?"),
    QStringLiteral("    对一般物质，单项评价指数就是各测点实测值与评价标准的比值，对于DO和pH则有不同的算法。"
                   "要求输入参数类型（以选择不同算法）、评价标准，以及各点的实测数据序列（以“|”分隔,DO和pH本计算未纳入）。"),
};
const QStringList kPurificationHelp = {
    QStringLiteral("    计算某一污染物的自净利用指数P。"),
    QStringLiteral("    一般情况建议采用标准指数法进行单项评价，但如果规划中几个建设项目在一定时期（如五年）内兴建并且"
                   "向同一地面水环境排污的情况,则可以采用自净利用指数进行单项评价。对于环境现状已经超标的情况，"
                   "则应采用标准指数法进行评价。当P≤1时说明污染物在该点的自净能力没有超过允许的比例；"
                   "否则说明超过允许利用的比例，这时P的值即为允许利用的倍数。"),
    QStringLiteral("    本次计算未包括PH和DO的自净利用指数的计算,为一般参数的自净利用指数计算"),
};
const QStringList kRankingHelp = {
    QStringLiteral("    拟预测水质参数的筛选。"),
    QStringLiteral("    在环境现状调查水质参数中选择拟预测水质参数时，一般需要计算每一参数的污染排序指数ISE。"
                   "ISE大的水质参数对河流的影响越大。"),
};

void setFontSize(Form &f, const QString &name, qreal points)
{
    setPoints(f.find(name), points);
}

// The help under the strip follows the chosen page.
void showHelp(Form &f, const QString &helpBox, const QString &firstTab, const QStringList &firstHelp,
              const QString &secondTab, const QStringList &secondHelp)
{
    const QString tab = chosenTabCaption(f, "TabStrip1");
    if (tab == firstTab)
        f.get<ReportBox>(helpBox)->showReport(firstHelp);
    else if (tab == secondTab)
        f.get<ReportBox>(helpBox)->showReport(secondHelp);
}

// The 说明 report below the tab strip: the first page's help at opening,
// then `help` whenever another page is chosen.
void addTabHelp(Form &f, const QString &helpBox, const QStringList &firstHelp, void (*help)(Form &))
{
    f.top().report(helpBox, QStringLiteral("说明"));
    f.get<ReportBox>(helpBox)->showReport(firstHelp);
    onTabChosen(f, "TabStrip1", help);
}

void nemerowHelp(Form &f)
{
    showHelp(f, "RichTextBox2", kNemerowTab, kNemerowHelp, kSingleFactorTab, kSingleFactorHelp);
}

void designMethodOne(Form &f)
{
    // Both pages label their list "数据"; the page's name tells the two
    // boxes apart for whoever finds them by name.
    std::vector<Panel> pages = f.top().tabs("TabStrip1", {kNemerowTab, kSingleFactorTab});

    Panel nemerow = pages[0].frame("Frame1", QString());
    Panel data = nemerow.line();
    data.button("Command3", QStringLiteral("数  据："));
    data.box({.name = "Text1", .label = QString(), .text = QStringLiteral("1.2|1.5|2.5|1.8|2.0|1.6|1.7|"),
              .accessibleName = kNemerowTab + QStringLiteral(" 数  据：")});
    setFontSize(f, "Text1", kTitlePoints);
    nemerow.button("Command1", QStringLiteral("刷新结果"));
    nemerow.report("RichTextBox1", QStringLiteral("内梅罗平均值"));

    Panel single = pages[1].frame("Frame2", QString());
    single.list({.name = "Combo1", .label = QStringLiteral("参数类型："), .items = {kGeneralParameter},
                 .editable = false, .labelName = "Label1"});
    single.box({.name = "Text2", .label = QStringLiteral("质量标准："), .text = "0.5", .labelName = "Label2"});
    single.box({.name = "Text3", .label = QStringLiteral("数    据："),
                .text = QStringLiteral("0.5|0.8|0.6|0.7|0.2|0.9|0.5|"), .labelName = "Label3",
                .accessibleName = kSingleFactorTab + QStringLiteral(" 数    据：")});
    setFontSize(f, "Text3", kBodyPoints);
    single.button("Command2", QStringLiteral("刷新结果"));
    single.report("RichTextBox3", QStringLiteral("单项评价指数"));

    addTabHelp(f, "RichTextBox2", kNemerowHelp, nemerowHelp);
}

FormSpec methodOneSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("地面水现状评价方法一");
    spec.design = designMethodOne;
    // Wide enough for the design lists and the report lines unbroken.
    spec.size = QSize(640, 600);
    spec.steps["nemerow"] = [](Form &f) {
        f.get<ReportBox>("RichTextBox1")->showReport(nemerowReport(f.text("Text1")));
    };
    spec.steps["singleFactor"] = [](Form &f) {
        f.get<ReportBox>("RichTextBox3")->showReport(
            singleFactorReport({.standard = f.text("Text2"), .list = f.text("Text3")}));
    };
    spec.triggers = {{On::Press, {"Command1"}, {"nemerow"}}, {On::Press, {"Command2"}, {"singleFactor"}}};
    return spec;
}

void purificationHelp(Form &f)
{
    showHelp(f, "RichTextBox1", kPurificationTab, kPurificationHelp, kRankingTab, kRankingHelp);
}

void designMethodTwo(Form &f)
{
    std::vector<Panel> pages = f.top().tabs("TabStrip1", {kPurificationTab, kRankingTab});

    Panel p = pages[0].frame("Frame1", QStringLiteral("Frame1"));
    p.list({.name = "Combo1", .label = QStringLiteral("参数类型:"), .items = {kGeneralParameter}, .editable = false,
            .labelName = "Label1"});
    p.box({.name = "Text1", .label = QStringLiteral("水体本底浓度:"), .text = "0.5", .labelName = "Label2"});
    p.box({.name = "Text2", .label = QStringLiteral("河水与污水混合后的浓度:"), .text = "0.6", .labelName = "Label3"});
    p.box({.name = "Text3", .label = QStringLiteral("自净能力允许利用率:"), .text = "0.8", .labelName = "Label4"});
    p.box({.name = "Text4", .label = QStringLiteral("标准:"), .text = "1.0", .labelName = "Label5"});
    p.button("Command1", QStringLiteral("刷新结果"));
    p.result({.name = "Text5", .label = QString(), .text = QStringLiteral("Text5"),
              .accessibleName = QStringLiteral("自净利用指数")});
    setFontSize(f, "Text5", kBodyPoints);

    Panel ise = pages[1].frame("Frame2", QStringLiteral("Frame2"));
    ise.box({.name = "Text6", .label = QStringLiteral("污水流量Qp[m^3/h]:"), .text = "1", .labelName = "Label6"});
    ise.box({.name = "Text7", .label = QStringLiteral("河水流量Qh[m^3/h]:"), .text = "15", .labelName = "Label7"});
    ise.box({.name = "Text8", .label = QStringLiteral("污水中该种污染物浓度Cp [mg/L]:"), .text = "10",
             .labelName = "Label8"});
    ise.box({.name = "Text9", .label = QStringLiteral("河水该污染物本底浓度Ch [mg/L]:"), .text = "0.1",
             .labelName = "Label9"});
    ise.box({.name = "Text10", .label = QStringLiteral("河水该污染物允许标准Cs [mg/L]:"), .text = "1",
             .labelName = "Label10"});
    ise.button("Command2", QStringLiteral("刷新结果"));
    ise.result({.name = "Text11", .label = QString(), .accessibleName = QStringLiteral("污染排序指数ISE")});
    setFontSize(f, "Text11", kBodyPoints);

    addTabHelp(f, "RichTextBox1", kPurificationHelp, purificationHelp);
}

FormSpec methodTwoSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("地面水评价现状评价方法二");
    spec.design = designMethodTwo;
    spec.size = QSize(560, 560);
    spec.steps["P"] = [](Form &f) {
        f.write("Text5", purificationText({.background = f.text("Text1"), .mixed = f.text("Text2"),
                                           .utilisation = f.text("Text3"), .standard = f.text("Text4")}));
    };
    spec.steps["ISE"] = [](Form &f) {
        f.write("Text11", rankingText({.sewageFlow = f.text("Text6"), .riverFlow = f.text("Text7"),
                                       .sewageConcentration = f.text("Text8"), .background = f.text("Text9"),
                                       .standard = f.text("Text10")}));
    };
    spec.triggers = {{On::Press, {"Command1"}, {"P"}}, {On::Press, {"Command2"}, {"ISE"}}};
    return spec;
}

} // namespace

void registerSurfaceStatusWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, QStringLiteral("water"),
                        {
                            {QStringLiteral("地面水现状评价方法1"), ToolKind::ComputeButtonCalculator, methodOneSpec},
                            {QStringLiteral("地面水评价现状评价方法21"), ToolKind::ComputeButtonCalculator, methodTwoSpec},
                        });
}

} // namespace corvalen
