#include "process_air/exhaust_gas_window.h"

#include "common/forms/form_window.h"
#include "process_air/press_result_window.h"
#include "common/files/note_file.h"
#include "common/numbers/number_text.h"
#include "process_air/exhaust_gas.h"

#include <memory>
#include <vector>

namespace corvalen {
namespace {

struct Input
{
    QString box;    // the input box, e.g. "Text8"
    QString label;  // its label, an element of the label array Label2
};

// The windows differ only in this: texts, inputs, the calculator that holds
// the window-level values and the press, which runs it on the boxes' texts
// and gives the value to show.
using Press = float (*)(const Form &);

struct ExhaustGasForm
{
    QString name;  // the window's name, also its caption
    QString title;
    std::vector<Input> inputs;
    QString basisFile;  // the basis note, a note of data/process_air/notes
    QString resultLabel;
    QString unitLabel;  // empty where the window has none
    std::function<WindowValues()> values;  // the calculator, its values at zero
    Press press;
};

const std::vector<ExhaustGasForm> &exhaustGasForms()
{
    static const std::vector<ExhaustGasForm> forms = {
        {
            QStringLiteral("石灰窑废气产生量"),
            QStringLiteral("石灰窑废气量的计算"),
            {
                {"Text1", QStringLiteral("石灰窑年产量(t)：")},
                {"Text2", QStringLiteral("生产1吨石灰耗燃料量(kg)：")},
                {"Text3", QStringLiteral("燃料炭含量（%）：")},
                {"Text4", QStringLiteral("废气回收利用率（%）：")},
                {"Text5", QStringLiteral("窑气中CO2所占体积百分数（%）：")},
            },
            QStringLiteral("lime_kiln_exhaust_basis.txt"),
            QStringLiteral("石灰窑全年排放废气量="),
            QStringLiteral("标立方米"),
            WindowValues::maker<LimeKiln>(),
            [](const Form &f) {
                LimeKiln &kiln = f.values<LimeKiln>();
                kiln.press({.q = f.text("Text1"), .b = f.text("Text2"), .c = f.text("Text3"),
                            .eta = f.text("Text4"), .phi = f.text("Text5")});
                return kiln.annualVolume;
            },
        },
        {
            QStringLiteral("白云石窑废气量计算"),
            QStringLiteral("白云石窑废气量的计算"),
            {
                {"Text1", QStringLiteral("白云石窑年产熟白云石量(t)：")},
                {"Text2", QStringLiteral("生产1吨白云石耗燃料量(kg)：")},
                {"Text3", QStringLiteral("燃料炭含量（%）：")},
                {"Text4", QStringLiteral("白云石中氧化镁含量（%）：")},
                {"Text5", QStringLiteral("窑气中CO2所占体积百分数（%）：")},
                {"Text8", QStringLiteral("白云石中氧化钙的含量（%）：")},
            },
            QStringLiteral("dolomite_kiln_exhaust_basis.txt"),
            QStringLiteral("白云石窑全年排放废气量="),
            QStringLiteral("标立方米"),
            WindowValues::maker<DolomiteKiln>(),
            [](const Form &f) {
                DolomiteKiln &kiln = f.values<DolomiteKiln>();
                kiln.press({.q = f.text("Text1"), .b = f.text("Text2"), .c = f.text("Text3"),
                            .m = f.text("Text4"), .phi = f.text("Text5"), .k = f.text("Text8")});
                return kiln.annualVolume;
            },
        },
        {
            QStringLiteral("干燥废气计算"),
            QStringLiteral("干燥废气的计算"),
            {
                {"Text1", QStringLiteral("湿物料的初始重量（Kg）：")},
                {"Text2", QStringLiteral("物料干燥前的湿度（%）：")},
                {"Text3", QStringLiteral("物料干燥后的湿度（%）：")},
            },
            QStringLiteral("drying_exhaust_basis.txt"),
            QStringLiteral("干燥工艺废气产生量（Kg）："),
            QString(),
            WindowValues::maker<Drying>(),
            [](const Form &f) {
                Drying &drying = f.values<Drying>();
                drying.press({.g = f.text("Text1"), .w1 = f.text("Text2"), .w2 = f.text("Text3")});
                return drying.removedMass;
            },
        },
        {
            QStringLiteral("蒸发废气排放量"),
            QStringLiteral("蒸发废气的计算"),
            {
                {"Text1", QStringLiteral("溶液的初始重量（Kg/h）：")},
                {"Text2", QStringLiteral("溶液蒸发前的重量百分比浓度：")},
                {"Text3", QStringLiteral("溶液蒸后前的重量百分比浓度：")},
            },
            QStringLiteral("evaporation_exhaust_basis.txt"),
            QStringLiteral("溶液的蒸发量（Kg/h）："),
            QString(),
            WindowValues::maker<Evaporation>(),
            [](const Form &f) {
                Evaporation &evaporation = f.values<Evaporation>();
                evaporation.press({.f = f.text("Text1"), .x0 = f.text("Text2"), .x1 = f.text("Text3")});
                return evaporation.evaporatedAmount;
            },
        },
    };
    return forms;
}

FormSpec exhaustGasSpec(const ExhaustGasForm &form)
{
    FormSpec spec;
    spec.caption = form.name;
    spec.design = [&form](Form &f) {
        Panel &top = f.top();
        top.title("Label1", form.title);
        std::vector<Panel> columns = top.columns(2);
        for (int i = 0; i < int(form.inputs.size()); ++i) {
            // Label2 is an array of labels: element i is named Label2_i.
            columns[0].box({.name = form.inputs[i].box, .label = form.inputs[i].label, .flags = Numeric | SelectAll,
                            .labelName = QStringLiteral("Label2_%1").arg(i)});
        }
        columns[0].stretch();
        // The handbook's title breaks across two lines in the note.
        columns[1].note("Text7", noteText(QStringLiteral("process_air"), form.basisFile), QStringLiteral("计算依据"))
            ->setMinimumWidth(220);
        top.button("Command2", QStringLiteral("计算"));
        top.result({.name = "Text6", .label = form.resultLabel, .text = QStringLiteral(" "), .unit = form.unitLabel,
                 .labelName = "Label3"});
    };
    showsPressResult(spec, form.values, form.press);
    return spec;
}

} // namespace

void registerExhaustGasWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, QStringLiteral("process_air"), ToolKind::ComputeButtonCalculator, exhaustGasForms(), exhaustGasSpec);
}

} // namespace corvalen
