#include "fuel/flue_gas_window.h"

#include "common/forms/form_window.h"
#include "common/forms/message_box.h"
#include "common/numbers/number_text.h"
#include "fuel/flue_gas.h"
#include "common/files/note_file.h"


namespace corvalen {
namespace {

void design(Form &form)
{
    Panel &top = form.top();
    top.title(QStringLiteral("Label1"), QStringLiteral("每kg燃料燃烧时产生的烟气量计算"));

    std::vector<Panel> columns = top.columns(2);
    Panel &left = columns[0];
    QStringList fuels;
    for (const auto &item : kFlueGasFuelItems)
        fuels.append(item.text.toString());
    left.list({.name = QStringLiteral("Combo1"), .label = QStringLiteral("请选择燃料类型："), .items = fuels,
               .labelName = QStringLiteral("Label2_3")});
    const int numeric = Numeric | SelectAll;
    left.box({.name = QStringLiteral("Text1"), .label = QStringLiteral("燃料热值的选取(以KJ为单位)："),
              .flags = numeric, .labelName = QStringLiteral("Label2_0")});
    left.box({.name = QStringLiteral("Text2"), .label = QStringLiteral("α0(空气过剩系数)选取："), .flags = numeric,
              .labelName = QStringLiteral("Label2_1")});
    left.box({.name = QStringLiteral("Text3"), .label = QStringLiteral("Δα(漏风系数)选取："), .flags = numeric,
              .labelName = QStringLiteral("Label2_2")});
    left.button(QStringLiteral("Command2"), QStringLiteral("计算"));
    left.stretch();

    QPlainTextEdit *basis =
        columns[1].note(QStringLiteral("Text5"),
                        noteText(QStringLiteral("fuel"), QStringLiteral("flue_gas_basis.txt")),
                        QStringLiteral("计算依据"));
    basis->setMinimumSize(230, 200);

    top.result({.name = QStringLiteral("Text4"), .label = QStringLiteral("每kg燃料燃烧时产生的烟气量="),
                .unit = QStringLiteral("标立方米"), .labelName = QStringLiteral("Label3_0")});
    top.result({.name = QStringLiteral("Text6"), .label = QStringLiteral("每T燃料燃烧时产生的烟气量="),
                .unit = QStringLiteral("标立方米"), .labelName = QStringLiteral("Label3_1")});
    top.label(QStringLiteral("Label5"),
              QStringLiteral("注：当燃料类型为天燃气时，漏风系数可以不填写，程序自动取值为0"));
}

FormSpec flueGasSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("燃料燃烧时产生的燃气量的计算");
    spec.design = design;
    spec.values = WindowValues::maker<FlueGasCalculator>();
    spec.steps[QStringLiteral("compute")] = [](Form &form) {
        auto *calculator = &form.values<FlueGasCalculator>();
        const FlueGasPress outcome = calculator->press({.fuel = form.text(QStringLiteral("Combo1")),
                                                        .heatValue = form.text(QStringLiteral("Text1")),
                                                        .excessAir = form.text(QStringLiteral("Text2")),
                                                        .airLeakage = form.text(QStringLiteral("Text3"))});
        if (outcome.leakageZeroed)
            form.write(QStringLiteral("Text3"), QStringLiteral("0"));
        if (!outcome.fuelMatched)
            showMessage(kChooseFuelMessage.toString());
        form.write(QStringLiteral("Text4"), SingleText(calculator->flueGasPerKg));
        form.write(QStringLiteral("Text6"), SingleText(calculator->flueGasPerTonne()));
    };
    spec.triggers = {{On::Press, {QStringLiteral("Command2")}, {QStringLiteral("compute")}}};
    return spec;
}

} // namespace

void registerFlueGasWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("燃料燃烧燃气产生量"), QStringLiteral("fuel"),
                       ToolKind::ComputeButtonCalculator, flueGasSpec);
}

} // namespace corvalen
