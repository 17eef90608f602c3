#include "risk/protection_distance_window.h"

#include "common/forms/form_window.h"
#include "common/forms/input_helpers.h"
#include "common/forms/message_box.h"
#include "common/numbers/number_text.h"
#include "risk/protection_distance.h"

namespace corvalen {
namespace {

void setVisible(Form &f, std::initializer_list<const char *> names, bool visible)
{
    for (const char *name : names)
        f.find(name)->setVisible(visible);
}

// A choice in Combo4: with stacks the stack-emission list, without them the
// indicator list; any other text hides both.
void showEnterpriseList(Form &f)
{
    const QString stacks = f.text("Combo4");
    const bool withStacks = stacks == QStringLiteral("有");
    const bool withoutStacks = stacks == QStringLiteral("无");
    setVisible(f, {"Combo2", "Label2_2"}, withStacks);
    setVisible(f, {"Combo3", "Label2_3"}, withoutStacks);
}

FormSpec protectionDistanceSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("卫生防护距离计算工具");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title("Label1", QStringLiteral("卫生防护距离计算"));
        Panel inputs = top.frame("Frame1", QStringLiteral("参数输入"));
        inputs.box({.name = "Text7", .label = QStringLiteral("无组织排放量Kg/h）："), .text = "0.05", .flags = Numeric,
                    .labelName = "Label2_5"});
        inputs.box({.name = "Text1", .label = QStringLiteral("标准浓度限值（mg/M^3）："), .text = "0.03",
                    .flags = Numeric, .labelName = "Label2_0"});
        inputs.box({.name = "Text8", .label = QStringLiteral("生产单元占地面积（M^2）："), .text = "200",
                    .flags = Numeric, .labelName = "Label2_6"});
        inputs.list({.name = "Combo1", .label = QStringLiteral("请选择风速（m/s）："), .items = windSpeedItems(),
                     .labelName = "Label2_1"});
        inputs.list({.name = "Combo4", .label = QStringLiteral("排放同种有害气体的排气筒："), .items = stackItems(),
                     .labelName = "Label2_4"});
        inputs.list({.name = "Combo2", .label = QStringLiteral("排气筒的污染物排放量："), .items = stackEmissionItems(),
                     .labelName = "Label2_2"});
        inputs.list({.name = "Combo3", .label = QStringLiteral("有害物质容许浓度指标按："), .items = indicatorItems(),
                     .labelName = "Label2_3"});
        // The two lists stand in one place; the design hides both.
        setVisible(f, {"Combo2", "Label2_2", "Combo3", "Label2_3"}, false);
        top.result({.name = "Text6", .label = QStringLiteral("卫生防护距离(M)："), .text = QStringLiteral(" "),
                    .labelName = "Label3_0"});
        Panel buttons = top.line();
        buttons.button("Command2", QStringLiteral("计    算"));
        buttons.button("Command1", QStringLiteral("清   除"));
        buttons.button("Command3", QStringLiteral("说  明"));
    };
    spec.load = [](Form &f) { setVisible(f, {"Combo2", "Label2_2"}, true); };
    spec.values = WindowValues::maker<ProtectionDistance>();
    spec.steps["compute"] = [](Form &f) {
        ProtectionDistance &window = f.values<ProtectionDistance>();
        const ProtectionDistanceOutcome outcome = window.press({
            .emission = f.text("Text7"),
            .concentration = f.text("Text1"),
            .area = f.text("Text8"),
            .choices = {.windSpeed = f.text("Combo1"), .stacks = f.text("Combo4"),
                        .stackEmission = f.text("Combo2"), .indicator = f.text("Combo3")},
        });
        for (int i = 0; i < outcome.lookupMessages; ++i)
            showMessage(kNoCoefficientRowMessage);
        f.write("Text6", outcome.resultText);
    };
    spec.steps["clear"] = [](Form &f) {
        const QString cleared = DoubleText(0.00001);
        for (const char *name : {"Text7", "Text8", "Text1", "Text6"})
            f.write(name, cleared);
    };
    spec.steps["note"] = [](Form &) { ShowExplanation(kProtectionDistanceNote); };
    spec.steps["stacks"] = showEnterpriseList;
    spec.triggers = {
        {On::Press, {"Command2"}, {"compute"}},
        {On::Press, {"Command1"}, {"clear"}},
        {On::Press, {"Command3"}, {"note"}},
        {On::Choose, {"Combo4"}, {"stacks"}},
    };
    return spec;
}

} // namespace

void registerProtectionDistanceWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("卫生防护距离计算工具"), QStringLiteral("risk"),
                       ToolKind::ComputeButtonCalculator, protectionDistanceSpec);
}

} // namespace corvalen
