#include "water/tannery_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/files/note_file.h"
#include "water/tannery.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace corvalen {
namespace {

const QString kName = QStringLiteral("制革行业污染物排放量");

// One pollutant: its amount, the production box with its caption and the
// discharge box with its caption.
struct ResultRow
{
    QString TanneryAmounts::*amount;
    const char *producedBox;
    const char *producedCaption;
    const char *dischargedBox;
    const char *dischargedCaption;
};

const ResultRow kResults[] = {
    {&TanneryAmounts::wastewater, "Text2", "废水产生量(T/年)：", "Text3", "废水排放量(T/年)："},
    {&TanneryAmounts::cod, "Text5", "CODcr产生量(Kg/年)：", "Text6", "CODcr排放量(Kg/年)："},
    {&TanneryAmounts::bod5, "Text7", "BOD5产生量(Kg/年)：", "Text8", "BOD5排放量(Kg/年)："},
    {&TanneryAmounts::ss, "Text9", "SS产生量(Kg/年)：", "Text10", "SS排放量(Kg/年)："},
    {&TanneryAmounts::sulfide, "Text11", "硫化物产生量(Kg/年)：", "Text12", "硫化物排放量(Kg/年)："},
    {&TanneryAmounts::chromium, "Text13", "总铬产生量(Kg/年)：", "Text14", "总铬排放量(Kg/年)："},
};

void design(Form &f)
{
    Panel &top = f.top();
    QLabel *title = top.label("Label1", QStringLiteral("制革行业污染物排放计算"));
    title->setAlignment(Qt::AlignCenter);
    setPoints(title, kTitlePoints);

    std::vector<Panel> upper = top.columns(2);
    upper[0].box({.name = "Text1", .label = QStringLiteral("请输入年处理原皮量(T/年))："), .flags = Bold});
    QStringList hides;
    for (const TanneryHide &hide : tanneryHides())
        hides.append(hide.hide.toString());
    QComboBox *list = upper[0].list({.name = "Combo2", .label = QStringLiteral("请选择原料皮类型："), .items = hides});
    setBoldFont(list);
    upper[0].button("Command1", QStringLiteral("计算"));
    upper[0].stretch();
    QPlainTextEdit *basis = upper[1].note("Text4",
                                          noteText(QStringLiteral("water"), QStringLiteral("tannery_basis.txt")),
                                          QStringLiteral("计算依据"));
    basis->setMinimumSize(260, 120);
    basis->setLineWrapMode(QPlainTextEdit::NoWrap);

    QLabel *heading = top.label("Label2", QStringLiteral("各类污染物产排量："));
    setPoints(heading, kTitlePoints);
    setBoldFont(heading);
    std::vector<Panel> results = top.columns(2);
    // Wide enough for a double's 15 digits.
    const auto widen = [](TextBox *box) {
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-3043.02004718781")) + 16);
    };
    for (const ResultRow &row : kResults) {
        widen(results[0].result(
            {.name = row.producedBox, .label = QString::fromUtf8(row.producedCaption), .flags = Bold}));
        widen(results[1].result(
            {.name = row.dischargedBox, .label = QString::fromUtf8(row.dischargedCaption), .flags = Bold}));
    }
    f.box("Text8")->setText(QStringLiteral(" "));
}

FormSpec tannerySpec()
{
    FormSpec spec;
    spec.caption = kName;
    spec.design = design;
    // M lives as long as the window's instance, across closing and reopening.
    spec.values = WindowValues::maker<TanneryCalculator>();
    spec.steps["compute"] = [](Form &f) {
        const TanneryResults results =
            f.values<TanneryCalculator>().press({.hideAmount = f.text("Text1"), .hide = f.text("Combo2")});
        // Production top to bottom, then discharge.
        for (const ResultRow &row : kResults)
            f.write(QString::fromLatin1(row.producedBox), results.produced.*row.amount);
        for (const ResultRow &row : kResults)
            f.write(QString::fromLatin1(row.dischargedBox), results.discharged.*row.amount);
    };
    spec.triggers = {{On::Press, {"Command1"}, {"compute"}}};
    return spec;
}

} // namespace

void registerTanneryWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, kName, QStringLiteral("water"), ToolKind::ComputeButtonCalculator, tannerySpec);
}

} // namespace corvalen
