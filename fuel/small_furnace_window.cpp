#include "fuel/small_furnace_window.h"

#include "common/forms/form_window.h"
#include "common/numbers/number_text.h"
#include "common/files/note_file.h"
#include "fuel/small_furnace.h"


namespace corvalen {
namespace {

// The two windows share design and steps; these are their differences.
struct SmallFurnaceForm
{
    QString name;  // also the caption
    QString title;
    QString coalLabel;
    const std::vector<CoalEmissionFactors> &(*coals)();
};

const SmallFurnaceForm kForms[] = {
    {QStringLiteral("茶炉污染物产排放量计算"), QStringLiteral("茶炉污染物产排放量计算"),
     QStringLiteral("请选择茶炉所用的煤种："), teaBoilerCoals},
    {QStringLiteral("大灶污染物产排量计算"), QStringLiteral("大灶污染物产排放量计算"),
     QStringLiteral("请选择大灶所用的煤种："), kitchenStoveCoals},
};

void design(Form &form, const SmallFurnaceForm &furnace)
{
    Panel &top = form.top();
    top.title(QStringLiteral("Label1"), furnace.title);

    std::vector<Panel> columns = top.columns(2);
    Panel &left = columns[0];
    QStringList coals;
    for (const auto &row : furnace.coals())
        coals.append(row.coal.toString());
    left.list({.name = QStringLiteral("Combo1"), .label = furnace.coalLabel, .items = coals,
               .labelName = QStringLiteral("Label2_9")});
    left.box({.name = QStringLiteral("Text2"), .label = QStringLiteral("请输入燃煤量（T）："),
              .text = QStringLiteral("100"), .labelName = QStringLiteral("Label2_0")});
    left.button(QStringLiteral("Command1"), QStringLiteral("计算"));
    left.stretch();

    // Label2 is an array of labels: element i is named Label2_i.
    const Field results[] = {
        {.name = QStringLiteral("Text3"), .label = QStringLiteral("烟尘产排量(kg)："), .labelName = QStringLiteral("Label2_1")},
        {.name = QStringLiteral("Text7"), .label = QStringLiteral("CO产排量(kg)："), .labelName = QStringLiteral("Label2_8")},
        {.name = QStringLiteral("Text8"), .label = QStringLiteral("SO2产排量(kg)："), .labelName = QStringLiteral("Label2_7")},
        {.name = QStringLiteral("Text9"), .label = QStringLiteral("HC产排量(kg)："), .labelName = QStringLiteral("Label2_6")},
        {.name = QStringLiteral("Text10"), .label = QStringLiteral("NOX产排量(kg)："), .labelName = QStringLiteral("Label2_5")},
    };
    for (const Field &result : results)
        columns[1].result(result);

    QPlainTextEdit *basis =
        top.note(QStringLiteral("Text1"),
                 noteText(QStringLiteral("fuel"), QStringLiteral("small_furnace_basis.txt")),
                 QStringLiteral("计算依据"));
    basis->setMinimumHeight(170);
}

FormSpec smallFurnaceSpec(const SmallFurnaceForm &furnace)
{
    FormSpec spec;
    spec.caption = furnace.name;
    spec.design = [&furnace](Form &form) { design(form, furnace); };
    // The five window-level values.
    spec.values = [&furnace] { return WindowValues::make<SmallFurnaceCalculator>(furnace.coals()); };
    spec.steps[QStringLiteral("compute")] = [](Form &form) {
        auto *calculator = &form.values<SmallFurnaceCalculator>();
        calculator->press({.coal = form.text(QStringLiteral("Combo1")), .coalBurnt = form.text(QStringLiteral("Text2"))});
        form.write(QStringLiteral("Text7"), SingleText(calculator->co));
        form.write(QStringLiteral("Text8"), SingleText(calculator->so2));
        form.write(QStringLiteral("Text9"), SingleText(calculator->hc));
        form.write(QStringLiteral("Text10"), SingleText(calculator->nox));
        form.write(QStringLiteral("Text3"), SingleText(calculator->dust));
    };
    spec.triggers = {{On::Press, {QStringLiteral("Command1")}, {QStringLiteral("compute")}}};
    return spec;
}

} // namespace

void registerSmallFurnaceWindows(ToolRegistry &registry)
{
    for (const SmallFurnaceForm &furnace : kForms) {
        registerFormWindow(registry, furnace.name, QStringLiteral("fuel"), ToolKind::ComputeButtonCalculator,
                           [&furnace] { return smallFurnaceSpec(furnace); });
    }
}

} // namespace corvalen
