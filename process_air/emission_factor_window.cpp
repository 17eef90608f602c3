#include "process_air/emission_factor_window.h"

#include "common/forms/form_window.h"
#include "process_air/press_result_window.h"
#include "common/numbers/number_text.h"
#include "process_air/emission_factor_notes.h"
#include "process_air/emission_factors.h"

#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <memory>
#include <vector>

namespace corvalen {
namespace {

const QString kIncinerator = QStringLiteral("焚烧垃圾烟尘排放量");

// A row of the left column: a list or an input box, with its label, an
// element of the label array Label2.
struct Row
{
    QString control;  // "Combo4", "Text1", ...
    int label;        // index in Label2
    QString caption;
    QString text = {};        // a box's design-time text
    QStringList items = {};   // a list's items; empty for a box
};

// What the press shows: runs the window's calculator (its window-level
// values) on the form and gives E.
using Press = float (*)(Form &);

struct EmissionFactorForm
{
    QString name;
    QString caption;
    QString title;
    std::vector<Row> rows;
    QString resultLabel;
    std::function<WindowValues()> values;  // the calculator, E at zero
    Press press;
};

// The incinerator writes "q=" and E's text onto the window itself after two
// of its furnaces: one more line each time, from the top-left corner of a
// print area down. The area lies under the result, where nothing else
// stands, and grows with its lines up to the bottom of the screen; lines
// beyond it are out of sight, as on a window's surface.
void printLine(Form &f, const QString &line)
{
    auto *printed = f.get<QLabel>(QStringLiteral("PrintedLines"));
    printed->setText(printed->text().isEmpty() ? line : printed->text() + u'\n' + line);
    QWidget *window = f.window();
    if (const QScreen *screen = window->screen()) {
        const int others = window->frameGeometry().height() - (printed->isVisible() ? printed->height() : 0);
        printed->setMaximumHeight(std::max(printed->fontMetrics().lineSpacing(),
                                           screen->availableGeometry().height() - others));
    }
    printed->show();
}

const std::vector<EmissionFactorForm> &emissionFactorForms()
{
    const QString amount = QStringLiteral("请输入加工量（T）：");
    static const std::vector<EmissionFactorForm> forms = {
        {
            QStringLiteral("焚烧垃圾烟尘排放量"),
            QStringLiteral("焚烧垃圾烟尘排放量"),
            QStringLiteral("焚烧垃圾相关污染物排放量的计算"),
            {
                {"Combo4", 4, QStringLiteral("请选择焚烧方式："), {}, incineratorModes()},
                {"Combo1", 3, QStringLiteral("请选择焚烧炉类型："), {}, itemTexts(incineratorFurnaces())},
                {"Text1", 2, QStringLiteral("请输入污染物的处理效率（%）："), "90"},
                {"Combo2", 0, QStringLiteral("请选择焚烧垃圾种类："), {}, refuseKinds()},
                {"Combo3", 1, QStringLiteral("请选择排放污染物种类："), {}, openBurningPollutants()},
                {"Text2", 5, QStringLiteral("焚烧垃圾的量(吨)："), "2000"},
            },
            QStringLiteral("某种污染物排放量（kg）="),
            WindowValues::maker<Incinerator>(),
            [](Form &f) {
                Incinerator &calculator = f.values<Incinerator>();
                const bool prints = calculator.press({.mode = f.text("Combo4"), .furnace = f.text("Combo1"),
                                                      .refuseKind = f.text("Combo2"), .pollutant = f.text("Combo3"),
                                                      .efficiency = f.text("Text1"), .amount = f.text("Text2")});
                if (prints)
                    printLine(f, QStringLiteral("q=") + SingleText(calculator.emission));
                return calculator.emission;
            },
        },
        {
            QStringLiteral("饲料及粮食加工"),
            QStringLiteral("饲料及粮食加工颗粒物排放量的计算"),
            QStringLiteral("饲料及粮食加工颗粒物排放量的计算"),
            {
                {"Combo1", 3, QStringLiteral("请选择粮食加工类型："), {}, itemTexts(feedMillPlants())},
                {"Text2", 0, amount, "100"},
            },
            QStringLiteral("颗粒物排放量（kg）="),
            WindowValues::maker<FeedMill>(),
            [](Form &f) {
                FeedMill &calculator = f.values<FeedMill>();
                calculator.press({.plant = f.text("Combo1"), .amount = f.text("Text2")});
                return calculator.emission;
            },
        },
        {
            QStringLiteral("棉花轧花机粉尘排放量"),
            QStringLiteral("棉花轧花机粉尘排放量"),
            QStringLiteral("棉花轧花机的粉尘排放量的计算"),
            {{"Text2", 0, amount, "100"}},
            // The result is 2.34 % of the cotton in t, so the caption names t.
            QStringLiteral("颗粒物排放量（T）="),
            WindowValues::maker<CottonGin>(),
            [](Form &f) {
                CottonGin &calculator = f.values<CottonGin>();
                calculator.press({.amount = f.text("Text2")});
                return calculator.emission;
            },
        },
        {
            QStringLiteral("玻璃原料制造设备颗粒物排放量"),
            QStringLiteral("玻璃原料制造设备颗粒物排放量"),
            QStringLiteral("玻璃原料制造设备颗粒物排放量的计算"),
            {{"Text2", 0, QStringLiteral("请输入装入料的用量（T）："), "100"}},
            QStringLiteral("颗粒物排放量（kg）="),
            WindowValues::maker<GlassRawMaterial>(),
            [](Form &f) {
                GlassRawMaterial &calculator = f.values<GlassRawMaterial>();
                calculator.press({.amount = f.text("Text2")});
                return calculator.emission;
            },
        },
        {
            QStringLiteral("玻璃制造颗粒物排放量"),
            QStringLiteral("玻璃制造颗粒物排放量"),
            QStringLiteral("玻璃制造设备颗粒物排放量的计算"),
            {{"Text2", 0, QStringLiteral("请输入玻璃产量（T）："), "100"}},
            QStringLiteral("颗粒物排放量（kg）="),
            WindowValues::maker<GlassMaking>(),
            [](Form &f) {
                GlassMaking &calculator = f.values<GlassMaking>();
                calculator.press({.amount = f.text("Text2")});
                return calculator.emission;
            },
        },
        {
            QStringLiteral("石灰窑粉尘量计算"),
            QStringLiteral("石灰窑粉尘量计算"),
            QStringLiteral("石灰窑粉尘排放量的计算"),
            {
                {"Combo1", 3, QStringLiteral("请选择石灰窑的类型："), {}, limeKilnKinds()},
                {"Text1", 1, QStringLiteral("请输入不同窑型排放系数："), "10"},
                {"Text2", 0, QStringLiteral("请输入产量（T）："), "100"},
            },
            QStringLiteral("粉尘排放量（T）="),
            WindowValues::maker<LimeKilnDust>(),
            [](Form &f) {
                LimeKilnDust &calculator = f.values<LimeKilnDust>();
                calculator.press({.kiln = f.text("Combo1"), .coefficient = f.text("Text1"), .amount = f.text("Text2")});
                return calculator.emission;
            },
        },
    };
    return forms;
}

// The incinerator's mode switch: open burning hides the furnace list, the
// efficiency box and their labels; any other mode text shows them.
void switchIncineratorMode(Form &f)
{
    const bool visible = incineratorShowsFurnace(f.text("Combo4"));
    for (const char *name : {"Combo1", "Label2_3", "Text1", "Label2_2"})
        f.find(name)->setVisible(visible);
}

FormSpec emissionFactorSpec(const EmissionFactorForm &form)
{
    FormSpec spec;
    spec.caption = form.caption;
    spec.design = [&form](Form &f) {
        Panel &top = f.top();
        top.title("Label1", form.title);
        std::vector<Panel> columns = top.columns(2);
        for (const Row &row : form.rows) {
            const QString labelName = QStringLiteral("Label2_%1").arg(row.label);
            if (row.items.isEmpty())
                columns[0].box({.name = row.control, .label = row.caption, .text = row.text, .labelName = labelName});
            else
                columns[0].list({.name = row.control, .label = row.caption, .items = row.items, .labelName = labelName});
        }
        columns[0].button("Command2", QStringLiteral("计算"));
        columns[0].stretch();
        columns[1].note("Text7", emissionFactorBasisNote(form.name), QStringLiteral("计算依据"))->setMinimumSize(240, 200);
        top.result({.name = "Text6", .label = form.resultLabel, .text = QStringLiteral(" "), .labelName = "Label3_0"});
        if (form.name == kIncinerator) {
            QLabel *printed = top.label(QStringLiteral("PrintedLines"), QString());
            printed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            printed->hide();
        }
    };
    showsPressResult(spec, form.values, form.press);
    if (form.name == kIncinerator) {
        spec.steps["mode"] = switchIncineratorMode;
        spec.triggers.push_back({On::Choose, {"Combo4"}, {"mode"}});
    }
    return spec;
}

} // namespace

void registerEmissionFactorWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, QStringLiteral("process_air"), ToolKind::ComputeButtonCalculator, emissionFactorForms(), emissionFactorSpec);
}

} // namespace corvalen
