#include "solid_waste/boiler_ash_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/files/note_file.h"
#include "solid_waste/boiler_ash.h"

namespace corvalen {

namespace {


// The source note beside the boxes, its lines as the window stores them.

BoilerAsh compute(const Form &f)
{
    return boilerAsh({.coal = f.text("Text1"), .ash = f.text("Text2"), .sootShare = f.text("Text3"),
                      .sootCombustible = f.text("Text4"), .efficiency = f.text("Text5"),
                      .slagCombustible = f.text("Text11")});
}

void writeKilograms(Form &f, const QString &box, double tonnes)
{
    if (const std::optional<QString> text = kilogramText(tonnes))
        f.write(box, *text);
}

FormSpec boilerAshSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("锅炉煤灰渣产生量计算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        QLabel *title = top.title("Label1", QStringLiteral("锅炉灰渣产生量计算"));
        setFace(title, Face::Song, kLargePoints);
        std::vector<Panel> columns = top.columns(2);
        Panel &left = columns[0];
        const auto input = [&](const char *name, const QString &label, const QString &text, Explanation explain = {}) {
            explain.caption = QStringLiteral("......");
            left.box({.name = name, .label = label, .text = text, .flags = Bold, .explain = explain,
                      .color = kGreenText, .width = kNumberWidth});
        };
        input("Text1", QStringLiteral("耗煤量(t)："), QStringLiteral("300"));
        input("Text2", QStringLiteral("煤的灰分(%)："), QStringLiteral("25"));
        input("Text3", QStringLiteral("烟气中烟尘占灰分含量的百分数dfh(%)："), QStringLiteral("20"),
              {.button = "Command2", .opens = QStringLiteral("燃煤DTH")});
        input("Text4", QStringLiteral("烟尘中可燃物的百分含量Cfh(%)："), QStringLiteral("30"),
              {.button = "Command3", .opens = QStringLiteral("燃煤可燃物")});
        input("Text11", QStringLiteral("炉渣中可燃物百分含量Ciz(%)："), QStringLiteral("17.5"),
              {.button = "Command1",
               .message = QStringLiteral("炉渣中的可燃物百分含量，在无热工测试资料的情况下，一般Ciz的取值范围为10-25%，"
                                         "煤粉炉可取0-5%！")});
        input("Text5", QStringLiteral("除尘系统除尘效率(%)："), QStringLiteral("90"));
        const auto result = [&](const char *name, const QString &label) {
            left.result({.name = name, .label = label, .flags = Bold, .color = kRedText, .width = kNumberWidth});
        };
        result("Text6", QStringLiteral("炉渣产生量（排放量）(kg)："));
        result("Text8", QStringLiteral("粉煤灰产生量（排放量）(kg)："));
        result("Text13", QStringLiteral("灰渣产生量（排放量）(kg)："));
        left.stretch();
        Panel source = columns[1].frame("Frame1", QStringLiteral("计算来源："));
        QPlainTextEdit *note = source.note("Text7",
                                           noteText(QStringLiteral("solid_waste"), QStringLiteral("boiler_ash_source.txt")),
                                           QStringLiteral("计算来源"));
        setNotePaper(note);
        note->setMinimumSize(280, 300);
    };
    spec.steps["slag"] = [](Form &f) { writeKilograms(f, "Text6", compute(f).slag); };
    spec.steps["flyAsh"] = [](Form &f) { writeKilograms(f, "Text8", compute(f).flyAsh); };
    spec.steps["total"] = [](Form &f) {
        const BoilerAsh ash = compute(f);
        writeKilograms(f, "Text13", ash.slag + ash.flyAsh);
    };
    spec.triggers = {
        {On::Change, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text11"}, {"slag", "flyAsh", "total"}},
        {On::Click, {"Text6"}, {"slag"}},
        {On::Click, {"Text8"}, {"flyAsh"}},
        {On::Click, {"Text13"}, {"total"}},
    };
    return spec;
}

} // namespace

void registerBoilerAshWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("锅炉煤灰渣产生量计算1"), QStringLiteral("solid_waste"),
                       ToolKind::LiveCalculator, boilerAshSpec);
}

} // namespace corvalen
