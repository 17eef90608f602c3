#include "noise/decibel_windows.h"

#include "common/forms/form_window.h"
#include "common/files/note_file.h"
#include "noise/decibel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

namespace corvalen {
namespace {

const QString kToolbox = QStringLiteral("noise");

FormSpec superpositionSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("噪声源叠加计算程序");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title(QStringLiteral("噪声源叠加计算程序"), QStringLiteral("噪声源叠加计算"));
        std::vector<Panel> columns = top.columns(2);
        const char *labels[] = {"第一个噪声源：", "第二个噪声源：", "第三个噪声源：", "第四个噪声源：", "第五个噪声源："};
        for (int i = 0; i < 5; ++i) {
            columns[0].box({.name = QStringLiteral("Text%1").arg(i + 1), .label = QString::fromUtf8(labels[i]),
                            .text = QStringLiteral("0"), .labelName = QStringLiteral("Label2_%1").arg(i)});
        }
        columns[0].stretch();
        columns[1]
            .note("Text7",
                  noteText(QStringLiteral("noise"), QStringLiteral("superposition_basis.txt")),
                  QStringLiteral("计算依据"))
            ->setMinimumWidth(240);
        Panel buttons = top.line();
        buttons.button("Command2", QStringLiteral("计算"));
        buttons.button("Command1", QStringLiteral("清除"));
        buttons.stretch();
        top.result({.name = "Text6", .label = QStringLiteral("叠加结果="), .text = QStringLiteral(" "),
                    .unit = QStringLiteral("dB（A）"), .labelName = "Label3"});
    };
    spec.values = WindowValues::maker<Superposition>();
    spec.steps["sum"] = [](Form &f) {
        Superposition &window = f.values<Superposition>();
        f.write("Text6", window.press({.first = f.text("Text1"), .second = f.text("Text2"), .third = f.text("Text3"),
                                       .fourth = f.text("Text4"), .fifth = f.text("Text5")}));
    };
    // Clears the texts only; the kept values stay.
    spec.steps["clear"] = [](Form &f) {
        for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            f.write(box, QStringLiteral("0"));
    };
    spec.triggers = {{On::Press, {"Command2"}, {"sum"}}, {On::Press, {"Command1"}, {"clear"}}};
    return spec;
}

FormSpec attenuationSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("噪声源衰减计算程序");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title(QStringLiteral("点声源衰减计算程序"), QStringLiteral("噪声源衰减计算"));
        std::vector<Panel> columns = top.columns(2);
        columns[0].box({.name = "Text1", .label = QStringLiteral("点声源："), .text = QStringLiteral("75"),
                        .labelName = "Label2_0"});
        columns[0].box({.name = "Text2", .label = QStringLiteral("距点声源X米处："), .text = QStringLiteral("50"),
                        .labelName = "Label2_1"});
        columns[0].result({.name = "Text6", .label = QStringLiteral("距点声源X米处结果="), .text = QStringLiteral(" "),
                           .labelName = "Label3_0"});
        columns[0].stretch();
        // The handbook's title breaks across the two lines as stored.
        columns[1]
            .note("Text7",
                  noteText(QStringLiteral("noise"), QStringLiteral("attenuation_basis.txt")),
                  QStringLiteral("计算依据"))
            ->setMinimumWidth(240);
    };
    spec.values = WindowValues::maker<Attenuation>();
    spec.steps["attenuate"] = [](Form &f) {
        Attenuation &window = f.values<Attenuation>();
        f.write("Text6", window.update({.sourceLevel = f.text("Text1"), .distance = f.text("Text2")}));
    };
    spec.triggers = {{On::Change, {"Text1", "Text2"}, {"attenuate"}}, {On::Click, {"Text6"}, {"attenuate"}}};
    return spec;
}

// A short horizontal stroke of the written subtraction.
QFrame *stroke(QWidget *parent, const char *name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFixedWidth(18);
    return line;
}

// One operand of the written subtraction: its label above its box.
void operand(Panel column, const char *label, const char *labelName, const Field &field)
{
    QLabel *caption = column.label(QLatin1String(labelName), QString::fromUtf8(label));
    QLineEdit *box = column.box(field);
    caption->setBuddy(box);
}

FormSpec subtractionSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("分贝相减运算");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title("Label1", QStringLiteral("分贝相减运算"));
        std::vector<Panel> columns = top.columns(5);
        operand(columns[0], "被减数[dB]", "Label2",
                {.name = "Text1", .text = QStringLiteral("68"), .accessibleName = QStringLiteral("被减数[dB]")});
        columns[1].label({}, {});
        columns[1].place(stroke(columns[1].container(), "Line1"), Qt::AlignVCenter);
        operand(columns[2], "减数[dB]", "Label3",
                {.name = "Text2", .text = QStringLiteral("65"), .accessibleName = QStringLiteral("减数[dB]")});
        columns[3].label({}, {});
        columns[3].place(stroke(columns[3].container(), "Line2"), Qt::AlignVCenter);
        columns[3].place(stroke(columns[3].container(), "Line3"), Qt::AlignVCenter);
        operand(columns[4], "差[dB]", "Label4", {.name = "Text3", .accessibleName = QStringLiteral("差[dB]")});
    };
    spec.steps["subtract"] = [](Form &f) {
        f.write("Text3", decibelDifference({.minuend = f.text("Text1"), .subtrahend = f.text("Text2")}));
    };
    spec.triggers = {{On::Change, {"Text1", "Text2"}, {"subtract"}}, {On::Click, {"Text3"}, {"subtract"}}};
    return spec;
}

} // namespace

void registerDecibelWindows(ToolRegistry &registry)
{
    registerFormWindows(registry, kToolbox,
                        {
                            {QStringLiteral("噪声源叠加计算程序"), ToolKind::ComputeButtonCalculator, superpositionSpec},
                            {QStringLiteral("噪声源衰减计算程序"), ToolKind::LiveCalculator, attenuationSpec},
                            {QStringLiteral("分贝相减运算1"), ToolKind::LiveCalculator, subtractionSpec},
                        });
}

} // namespace corvalen
