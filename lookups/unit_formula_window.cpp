#include "lookups/unit_formula_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"

namespace corvalen {

namespace {

// The four equivalences, a ppb being 10^-3 mg/kg.
const QString kEquivalences = QStringLiteral(
    "1 ppm = 1 mg/kg = 1000 ug/kg\n"
    "1 ppb = 1 ug/kg = 10^-3 mg/kg\n"
    "1 ug/kg = 1 ppb = 10^-3 ppm\n"
    "1 mg/kg = 1 ppm = 1000 ug/kg");

// M the gas's molar mass, 22.4 L its molar volume; the metre of the unit
// written with a capital M as the handbook prints it.
const QString kGasFormula =
    QStringLiteral("1 ppm = M/22.4 mg/M<sup>3</sup> = 1000 M/22.4 μg/M<sup>3</sup>");

// One formula: the left side, "=", and the right side as a fraction with
// its bar (or a plain product where there is no denominator).
QString formulaRow(const QString &left, const QString &numerator, const QString &denominator)
{
    const QString right = denominator.isEmpty()
                              ? QStringLiteral("<td valign=\"middle\">%1</td>").arg(numerator)
                              : QStringLiteral("<td align=\"center\"><table cellspacing=\"0\" cellpadding=\"1\">"
                                               "<tr><td align=\"center\" style=\"border-bottom: 1px solid black;\">%1</td></tr>"
                                               "<tr><td align=\"center\">%2</td></tr></table></td>")
                                    .arg(numerator, denominator);
    return QStringLiteral("<tr><td valign=\"middle\" align=\"right\">%1</td><td valign=\"middle\"> = </td>%2</tr>")
        .arg(left, right);
}

// The heading, the five conversions of a solution's concentrations and the
// legend.
QString concentrationPicture()
{
    const QString rows = formulaRow(QStringLiteral("当量浓度"), QStringLiteral("1000 × d × 质量百分浓度"), QStringLiteral("E"))
                         + formulaRow(QStringLiteral("质量百分浓度"), QStringLiteral("当量浓度 × E"), QStringLiteral("1000 · d"))
                         + formulaRow(QStringLiteral("摩尔浓度"), QStringLiteral("1000 × d × 质量百分浓度"), QStringLiteral("M"))
                         + formulaRow(QStringLiteral("质量百分浓度"), QStringLiteral("质量—体积浓度(mg/l)"),
                                      QStringLiteral("10<sup>4</sup> d"))
                         + formulaRow(QStringLiteral("质量—体积浓度(mg/l)"), QStringLiteral("10<sup>4</sup> d × 质量百分浓度"), {});
    return QStringLiteral("<p align=\"center\"><b>浓度单位的换算</b></p>"
                          "<table cellspacing=\"6\">%1</table>"
                          "<p>式中：E—溶质的克当量；<br>d—溶液的比重；<br>M—溶质的摩尔质量。</p>")
        .arg(rows);
}

FormSpec concentrationSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("浓度单位换算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        QLabel *title = top.title("Label1", QStringLiteral("常用单位换算"));
        setPoints(title, kTitlePoints);
        Panel frame = top.frame("Frame1", QStringLiteral("浓度单位换算"));
        QLabel *picture = frame.label("Image1", concentrationPicture());
        picture->setTextFormat(Qt::RichText);
        picture->setAccessibleName(QStringLiteral("浓度单位的换算"));
        top.stretch();
    };
    // The nested formula tables take long to lay out: laid out once.
    spec.keepBuilt = true;
    return spec;
}

FormSpec ppmSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("常用单位换算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        QLabel *title = top.title(QStringLiteral("常用单位换算"), QStringLiteral("常用单位换算"));
        setPoints(title, kTitlePoints);
        Panel ppm = top.frame("Frame1", QStringLiteral("土壤、动植物与固废物中PPM与PPB的换算"));
        ppm.label("Label1", kEquivalences);
        Panel gas = top.frame("Frame2", QStringLiteral("质量体积浓度换算"));
        QLabel *formula = gas.label("Image1", kGasFormula);
        formula->setTextFormat(Qt::RichText);
        formula->setAccessibleName(QStringLiteral("质量体积浓度换算公式"));
        setPoints(formula, kTitlePoints);
        top.stretch();
    };
    return spec;
}

} // namespace

void registerUnitFormulaWindows(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("浓度单位换算"), QStringLiteral("lookups"),
                       ToolKind::RichTextReference, concentrationSpec);
    registerFormWindow(registry, QStringLiteral("常用单位换算"), QStringLiteral("lookups"),
                       ToolKind::RichTextReference, ppmSpec);
}

} // namespace corvalen
