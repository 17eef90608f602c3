#include "process_air/exhaust_gas_window.h"

#include "common/form_window.h"
#include "common/number_text.h"
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

// The windows differ only in this: texts, inputs and the press, which runs
// the window's calculator on the boxes' texts and gives the value to show.
using Press = std::function<float(const Form &)>;

struct ExhaustGasForm
{
    QString name;  // the window's name, also its caption
    QString title;
    std::vector<Input> inputs;
    QString basisSentence;
    QString resultLabel;
    QString unitLabel;  // empty where the window has none
    std::function<Press()> newPress;  // a calculator with its values at zero
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
            QStringLiteral("石灰窑废气量的计算，其中，石灰窑气中CO2所占的体积百分比浓度一般在25%-30%之间波动！"),
            QStringLiteral("石灰窑全年排放废气量="),
            QStringLiteral("标立方米"),
            [] {
                return [kiln = LimeKiln()](const Form &f) mutable {
                    kiln.press({.q = f.text("Text1"), .b = f.text("Text2"), .c = f.text("Text3"),
                                .eta = f.text("Text4"), .phi = f.text("Text5")});
                    return kiln.annualVolume;
                };
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
            QStringLiteral("白云石窑废气量的计算，白云石主要含碳酸钙和碳酸镁。煅烧后的白云石主要用做耐火材料。"
                           "炼钢厂一般都有白云石窑。"),
            QStringLiteral("白云石窑全年排放废气量="),
            QStringLiteral("标立方米"),
            [] {
                return [kiln = DolomiteKiln()](const Form &f) mutable {
                    kiln.press({.q = f.text("Text1"), .b = f.text("Text2"), .c = f.text("Text3"),
                                .m = f.text("Text4"), .phi = f.text("Text5"), .k = f.text("Text8")});
                    return kiln.annualVolume;
                };
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
            QStringLiteral("干燥废气的计算。凡从固体物料中借热能使水分汽化而被惰性气体带走可以除去物料水分的方法，"
                           "称为干燥。但是并不是所有的固体干燥的废气都要求统计，而只统计含有素有害物质干燥过程的蒸汽！"),
            QStringLiteral("干燥工艺废气产生量（Kg）："),
            QString(),
            [] {
                return [drying = Drying()](const Form &f) mutable {
                    drying.press({.g = f.text("Text1"), .w1 = f.text("Text2"), .w2 = f.text("Text3")});
                    return drying.removedMass;
                };
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
            QStringLiteral("蒸发废量的计算；蒸发是借加热作用使溶液的溶剂气化，以提高溶液中的溶质浓度，"
                           "或者使溶质检出的物理操作过程，在石油化工、轻工等行业中大量采用蒸发工艺。"),
            QStringLiteral("溶液的蒸发量（Kg/h）："),
            QString(),
            [] {
                return [evaporation = Evaporation()](const Form &f) mutable {
                    evaporation.press({.f = f.text("Text1"), .x0 = f.text("Text2"), .x1 = f.text("Text3")});
                    return evaporation.evaporatedAmount;
                };
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
        columns[1].note("Text7", QStringLiteral("计算依据：编《环境保护计\n算手册》") + form.basisSentence + u'\n',
                        QStringLiteral("计算依据"))
            ->setMinimumWidth(220);
        top.button("Command2", QStringLiteral("计算"));
        top.result({.name = "Text6", .label = form.resultLabel, .text = QStringLiteral(" "), .unit = form.unitLabel,
                 .labelName = "Label3"});
    };
    spec.steps["compute"] = [press = form.newPress()](Form &f) mutable { f.write("Text6", SingleText(press(f))); };
    spec.triggers = {{On::Press, {"Command2"}, {"compute"}}};
    return spec;
}

} // namespace

void registerExhaustGasWindows(ToolRegistry &registry)
{
    for (const ExhaustGasForm &form : exhaustGasForms()) {
        registerFormWindow(registry, form.name, QStringLiteral("process_air"), ToolKind::ComputeButtonCalculator,
                           [&form] { return exhaustGasSpec(form); });
    }
}

} // namespace corvalen
