#include "water/surface_grade_window.h"

#include "common/forms/form_window.h"
#include "water/surface_grade.h"
#include "water/surface_tabs_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace corvalen {
namespace {

const QString kSizeFrame = QStringLiteral("地面水域的大小规模和水质要求");
const QString kRiverSizes = QStringLiteral("    按建设项目排污口附近河段多年平均流量或平水期平均流量划分：");
const QStringList kRiverOptions = {QStringLiteral("大河：>=150 m^3/s"), QStringLiteral("中河：15-150 m^3/s"),
                                   QStringLiteral("小河：<15 m^3/s")};
const QStringList kBayOptions = {QStringLiteral("各类海湾"), QStringLiteral("小型封闭海湾"),
                                 QStringLiteral("其它海湾")};
const QStringList kDeepLakes = {QStringLiteral("大湖(库)≥25km^2"), QStringLiteral("中湖(库)在2.5-25km^2"),
                                QStringLiteral("小湖(库)在<2.5km^2")};
const QStringList kShallowLakes = {QStringLiteral("大湖(库)≥50km^2"), QStringLiteral("中湖(库)在5-50km^2"),
                                   QStringLiteral("小湖(库)在<5km^2")};
const QStringList kSizeOptions = {"Option1", "Option2", "Option3"};
const QStringList kLakeOptions = {"Option11", "Option10", "Option9"};
const QStringList kKinds = {"Check1", "Check2", "Check3", "Check4"};

const QString kStoredText = QStringLiteral(
    "地面水环境影响评价工作级别的划分（以后简称地面水环境影响评价分级），根据下列条件进行，即：建设项目的污水排放量，"
    "污水水质的复杂程度，各种受纳污水的地面水域（以后简称受纳水域）的规模以及对它的水质要求； "
    "在实际应用时，可根据建设项目及受纳水域的具体情况适当调整评价级别。");

QString chosenTab(const Form &f)
{
    return chosenTabCaption(f, "TabStrip1");
}

// 1 to 3 for the first to third option of the group that is chosen, 0 for none.
int chosenOf(const Form &f, const QStringList &options)
{
    for (int i = 0; i < options.size(); ++i) {
        if (f.isChecked(options[i]))
            return i + 1;
    }
    return 0;
}

void setCaptions(const Form &f, const QStringList &options, const QStringList &captions)
{
    for (int i = 0; i < options.size(); ++i) {
        auto *option = f.get<QRadioButton>(options[i]);
        option->setText(captions[i]);
        option->setAccessibleName(accessibleText(captions[i]));
    }
}

void setLakeSizes(const Form &f, bool deep)
{
    setCaptions(f, kLakeOptions, deep ? kDeepLakes : kShallowLakes);
}

void showPage(Form &f)
{
    const QString tab = chosenTab(f);
    auto *sizes = f.get<QGroupBox>("Frame3");
    auto *lakes = f.get<QGroupBox>("Frame6");
    if (tab == kLakeTab) {
        f.setChecked("Option13", true);
        setLakeSizes(f, true);
        lakes->show();
        sizes->hide();
        return;
    }
    const bool bay = tab == kBayTab;
    lakes->hide();
    sizes->show();
    sizes->setTitle(bay ? QStringLiteral("海湾类型") : kSizeFrame);
    f.write("Label8", bay ? QStringLiteral("海湾的类型分为以下三类,请选择相应的海湾类型") : kRiverSizes);
    setCaptions(f, kSizeOptions, bay ? kBayOptions : kRiverOptions);
}

void design(Form &f)
{
    Panel &top = f.top();
    // The tab strip only chooses the receiving water: the form below serves
    // all three pages, so its pages stay empty.
    std::vector<Panel> pages = top.tabs("TabStrip1", {kRiverTab.toString(), kLakeTab.toString(), kBayTab.toString()});
    auto *strip = f.get<QTabWidget>("TabStrip1");
    strip->setDocumentMode(true);
    strip->setMaximumHeight(strip->tabBar()->sizeHint().height());

    Panel form = top.frame("Frame1", QString());
    form.box({.name = "Text1", .label = QStringLiteral("污水排放量（m^3/d）"), .text = "10000", .labelName = "Label1"});
    Panel kinds = form.frame("Frame2", QStringLiteral("污水水质的复杂程度"));
    kinds.check("Check1", QStringLiteral("a.持久性污染物（包括有毒物质）"));
    kinds.check("Check2", QStringLiteral("b.非持久性污染物"));
    kinds.check("Check3", QStringLiteral("c.酸和碱(以PH计)"));
    kinds.check("Check4", QStringLiteral("d.热污染（以温度表征）"));
    kinds.box({.name = "Text2", .label = QStringLiteral("需预测浓度的水质参数项目："), .text = "2",
               .labelName = "Label7"});

    Panel sizes = form.frame("Frame3", kSizeFrame);
    sizes.label("Label8", kRiverSizes);
    for (int i = 0; i < kSizeOptions.size(); ++i)
        sizes.option(kSizeOptions[i], kRiverOptions[i], "size");

    Panel lakes = form.frame("Frame6", kSizeFrame);
    lakes.label("Label3", QStringLiteral("枯水期湖(库)平均水深"));
    Panel depth = lakes.line();
    depth.option("Option13", QStringLiteral("水深≥10米"), "depth");
    depth.option("Option12", QStringLiteral("水深<10米"), "depth");
    Panel area = lakes.frame("Frame7", QStringLiteral("枯水期湖(库)面积"));
    for (int i = 0; i < kLakeOptions.size(); ++i)
        area.option(kLakeOptions[i], kDeepLakes[i], "lake");
    f.get<QGroupBox>("Frame6")->hide();

    form.button("Command1", QStringLiteral("点击刷新结果"));

    std::vector<Panel> reportPage = top.tabs("TabStrip2", {QStringLiteral("评价分级建议")});
    reportPage[0].report("RichTextBox1", QStringLiteral("评价分级建议"));
    // Room the pages leave goes to the report, not between the frames.
    int row = 0, column = 0, rows = 0, columns = 0;
    top.grid()->getItemPosition(top.grid()->indexOf(f.get<QTabWidget>("TabStrip2")), &row, &column, &rows, &columns);
    top.grid()->setRowStretch(row, 1);
    f.write("RichTextBox1", kStoredText);

    onTabChosen(f, "TabStrip1", showPage);
}

void computeReport(Form &f)
{
    int ticked = 0;
    for (const QString &kind : kKinds)
        ticked += f.isChecked(kind) ? 1 : 0;
    const QString tab = chosenTab(f);
    const int size = chosenOf(f, tab == kLakeTab ? kLakeOptions : kSizeOptions);
    f.get<ReportBox>("RichTextBox1")->showReport(surfaceGradeReport(
        {.discharge = f.text("Text1"), .kindsTicked = ticked, .parameterCount = f.text("Text2"), .tab = tab,
         .size = size}));
}

} // namespace

void registerSurfaceGradeWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("地面水评价分级"), QStringLiteral("water"),
                       ToolKind::ComputeButtonCalculator, [] {
                           FormSpec spec;
                           spec.caption = QStringLiteral("地面水评价分级");
                           spec.design = design;
                           spec.steps["report"] = computeReport;
                           spec.steps["deep"] = [](Form &f) { setLakeSizes(f, true); };
                           spec.steps["shallow"] = [](Form &f) { setLakeSizes(f, false); };
                           spec.triggers = {{On::Press, {"Command1"}, {"report"}},
                                            {On::Press, {"Option13"}, {"deep"}},
                                            {On::Press, {"Option12"}, {"shallow"}}};
                           return spec;
                       });
}

} // namespace corvalen
