#include "fugitive/untight_equipment_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/files/note_file.h"
#include "fugitive/untight_equipment.h"

#include <QGridLayout>
#include <QPlainTextEdit>

namespace corvalen {
namespace {


const QString kWindow = QStringLiteral("不严密处散发量计算");

// The coefficient C by the pressure in the equipment (absolute atmospheres),
// laid out in text; the user reads it and types C.
void design(Form &f)
{
    Panel &top = f.top();
    top.title("Label1", QStringLiteral("生产设备和管道不严处有害气体散发量"));
    Panel rows = top.columns(1).front();
    const auto input = [&rows](const char *name, const char *label, const char *text) {
        rows.box({.name = name, .label = QString::fromUtf8(label), .text = QString::fromUtf8(text),
                  .width = kWideNumberWidth});
    };
    input("Text1", "设备和管道内部容积V：（m^3）：", "20");
    input("Text2", "安全系数K：（1-2之间）：", "1.5");
    input("Text3", "随设备压力而定的系数内C：", "0.169");
    input("Text4", "有害气体或蒸汽的分子量M：", "34");
    input("Text5", "设备内部有害气体或蒸汽的温度T：（℃）：", "100");
    rows.result({.name = "Text6", .label = QStringLiteral("设备不严密处散发量Gc：（Kg/小时）："),
                                   .flags = Bold | BoldLabel, .color = kGreenText, .labelColor = kGreenText,
                                   .width = kWideNumberWidth});
    rows.grid()->setColumnStretch(1, 1);

    Panel frame = top.frame("Frame1", QStringLiteral("计算来源：《八五环境统计手册》P83"));
    QPlainTextEdit *table = frame.note("Text7",
                                       noteText(QStringLiteral("fugitive"), QStringLiteral("untight_pressure_coefficients.txt")),
                                       QStringLiteral("不同压力时系数C值"));
    table->setFont(faceFont(Face::Mono));
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setLineWrapMode(QPlainTextEdit::NoWrap);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTipColours(table);
    // Tall and wide enough for the whole table.
    const int widest = widestLineWidth(table);
    table->setMinimumWidth(widest + 60);
    setNoteLines(table, 14, true);
}

FormSpec untightEquipmentSpec()
{
    FormSpec spec;
    spec.caption = kWindow;
    spec.design = design;
    spec.steps["Gc"] = [](Form &f) {
        f.write("Text6", SingleText(untightEquipmentLeak({.volume = f.text("Text1"),
                                                          .safetyFactor = f.text("Text2"),
                                                          .coefficient = f.text("Text3"),
                                                          .molecularWeight = f.text("Text4"),
                                                          .temperature = f.text("Text5")})));
    };
    spec.triggers = {
        {On::Change, {"Text1", "Text2", "Text3", "Text4", "Text5"}, {"Gc"}},
        {On::Click, {"Text6"}, {"Gc"}},
    };
    return spec;
}

} // namespace

void registerUntightEquipmentWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, kWindow, QStringLiteral("fugitive"), ToolKind::LiveCalculator,
                       untightEquipmentSpec);
}

} // namespace corvalen
