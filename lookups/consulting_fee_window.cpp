#include "lookups/consulting_fee_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "lookups/consulting_fee.h"

#include <QLabel>
#include <QRadioButton>

namespace corvalen {

namespace {

struct Choice
{
    const char *option;
    QString caption;
    double term;  // what the choice adds to 1 in the compiling fee's factor
    QString toolTip;
};

const std::vector<Choice> &industries()
{
    static const std::vector<Choice> choices = {
        {"Option5", QStringLiteral("化工、冶金、有色、黄金、煤炭、矿产、纺织、化纤、轻工、医药、区域"), 0.2,
         QStringLiteral("本行业调整系数为1.2")},
        {"Option6", QStringLiteral("石化、石油天然气、水利、水电、旅游"), 0.1, QStringLiteral("本行业调整系数为1.1")},
        {"Option7", QStringLiteral("林业、畜牧、渔业、农业、交通、铁道、民航、管线运输、建材、市政"), 0.0,
         QStringLiteral("本行业调整系数为1.0")},
        {"Option8", QStringLiteral("邮电、广播电视、航空、机械、船舶、航天、电子、勘探、社会服务"), -0.2,
         QStringLiteral("本行业调整系数为0.8")},
        {"Option9", QStringLiteral("粮食、建筑、信息产业、仓储"), -0.4, QStringLiteral("本行业调整系数为0.6")},
    };
    return choices;
}

const std::vector<Choice> &sensitivities()
{
    static const std::vector<Choice> choices = {
        {"Option10", QStringLiteral("敏感"), 0.2, QStringLiteral("环境敏感程度调整系数1.2")},
        {"Option11", QStringLiteral("一般"), -0.2, QStringLiteral("环境敏感程度调整系0.8")},
    };
    return choices;
}

double chosenTerm(const Form &f, const std::vector<Choice> &choices)
{
    for (const Choice &choice : choices) {
        if (f.isChecked(choice.option))
            return choice.term;
    }
    return 0;
}

void addChoices(Panel &frame, const std::vector<Choice> &choices)
{
    for (const Choice &choice : choices)
        frame.option(choice.option, choice.caption)->setToolTip(choice.toolTip);
}

void showReportControls(Form &f, bool report)
{
    f.find("Frame1")->setVisible(report);
    f.find("Frame2")->setVisible(report);
    f.find("Frame4")->setVisible(!report);
    f.find("Label9")->setVisible(!report);
    f.find("Text2")->setVisible(!report);
}

void chooseReport(Form &f)
{
    showReportControls(f, true);
}

void chooseTopics(Form &f)
{
    f.box("Text2")->setReadOnly(false);
}

void chooseReportForm(Form &f)
{
    showReportControls(f, false);
    f.setChecked("Option3", true);
    chooseTopics(f);
}

FormSpec consultingFeeSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("建设项目环境影响评价咨询收费");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        QLabel *title = top.title("Label1", QStringLiteral("建设项目环境影响评价咨询收费计算"));
        setFace(title, Face::Song, kTitlePoints);
        top.box({.name = "Text1", .label = QStringLiteral("项目的投资额（万元）："), .text = QStringLiteral("3500"),
                 .labelName = "Label5"});
        top.label("Label2", QStringLiteral("注:此处以万元为单位，计算中自动转换亿元"));
        Panel kind = top.frame("Frame3", QStringLiteral("评价咨询类别"));
        Panel kindLine = kind.line();
        kindLine.option("Option1", QStringLiteral("环境影响报告书"));
        kindLine.option("Option2", QStringLiteral("环境影响报告表"));
        Panel topics = top.frame("Frame4", QStringLiteral("报告表是否设置专题"));
        Panel topicsLine = topics.line();
        topicsLine.option("Option3", QStringLiteral("是"));
        topicsLine.option("Option4", QStringLiteral("否"));
        Panel industry = top.frame("Frame1", QStringLiteral("请选择项目所属行业类别"));
        addChoices(industry, industries());
        Panel sensitivity = top.frame("Frame2", QStringLiteral("请选择环境敏感程度"));
        Panel sensitivityLine = sensitivity.line();
        addChoices(sensitivityLine, sensitivities());
        top.box({.name = "Text2", .label = QStringLiteral("设置专题的个数："), .text = QStringLiteral("2"),
                 .labelName = "Label9"});
        top.button("Command1", QStringLiteral("刷新结果"));
        Panel result = top.frame("Frame5", QStringLiteral("计算结果"));
        result.report("RichTextBox1", QStringLiteral("计算结果"))->setMinimumHeight(150);
    };
    spec.load = [](Form &f) {
        f.setChecked("Option1", true);
        chooseReport(f);
        f.setChecked("Option3", false);
        f.setChecked("Option5", true);
        f.setChecked("Option10", true);
    };
    spec.steps["report"] = chooseReport;
    spec.steps["reportForm"] = chooseReportForm;
    spec.steps["topics"] = chooseTopics;
    spec.steps["noTopics"] = [](Form &f) {
        f.write("Text2", QStringLiteral("0"));
        f.box("Text2")->setReadOnly(true);
    };
    // A press whose investment or number of topics is no number leaves the
    // report as it was.
    spec.steps["fee"] = [](Form &f) {
        const FeeDocument document = f.isChecked("Option2") ? FeeDocument::ReportForm : FeeDocument::Report;
        const std::optional<FeeResult> fee =
            consultingFee({.investment = f.text("Text1"), .document = document,
                           .industryTerm = chosenTerm(f, industries()),
                           .sensitivityTerm = chosenTerm(f, sensitivities()), .topics = f.text("Text2")});
        if (fee)
            f.get<ReportBox>("RichTextBox1")->showReport(fee->report);
    };
    spec.triggers = {
        {On::Press, {"Option1"}, {"report"}},
        {On::Press, {"Option2"}, {"reportForm"}},
        {On::Press, {"Option3"}, {"topics"}},
        {On::Press, {"Option4"}, {"noTopics"}},
        {On::Press, {"Command1"}, {"fee"}},
    };
    spec.size = QSize(720, 640);
    return spec;
}

} // namespace

void registerConsultingFeeWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("建设项目环境影响评价咨询收费"), QStringLiteral("lookups"),
                       ToolKind::ComputeButtonCalculator, consultingFeeSpec);
}

} // namespace corvalen
