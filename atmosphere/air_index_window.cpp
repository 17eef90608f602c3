#include "atmosphere/air_index_window.h"

#include "atmosphere/air_index.h"
#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/numbers/number_text.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace corvalen {
namespace {

// The controls of one pollutant's input row.
struct InputRow
{
    AirPollutant pollutant;
    const char *box;
    QString label;
    const char *labelName;
    const char *bar;
    const char *leftName;
    QString leftText;
    const char *rightName;
    QString rightText;
};

const InputRow kInputs[] = {
    {AirPollutant::SO2, "Text1", QStringLiteral("SO2浓度日均："), "Label1", "HScroll1", "Label13", QStringLiteral("0.001"),
     "Label14", QStringLiteral("2.62")},
    {AirPollutant::NO2, "Text2", QStringLiteral("NO2日均浓度："), "Label3", "HScroll2", "Label16", QStringLiteral("0.001"),
     "Label15", QStringLiteral("0.940")},
    {AirPollutant::PM10, "Text3", QStringLiteral("PM10日均浓度："), "Label5", "HScroll3", "Label18", QStringLiteral("0.001"),
     "Label17", QStringLiteral("0.600")},
};

struct ResultRow
{
    const char *box;
    QString label;
    const char *labelName;
};

const ResultRow kResults[] = {
    {"Text4", QStringLiteral("SO2污染指数："), "Label7"},
    {"Text5", QStringLiteral("NO2污染指数："), "Label8"},
    {"Text6", QStringLiteral("PM10污染指数："), "Label9"},
    {"Text7", QStringLiteral("空气污染指数（API）："), "Label10"},
    {"Text8", QStringLiteral("空气质量："), "Label11"},
    {"Text9", QStringLiteral("首要污染物："), "Label12"},
};


QString barStep(const InputRow &row)
{
    return QString::fromLatin1(row.bar);
}

void design(Form &f)
{
    Panel &top = f.top();
    for (const InputRow &row : kInputs) {
        TextBox *box = top.box({.name = row.box, .label = row.label, .text = QStringLiteral("0.001"), .flags = Bold,
                                .unit = QStringLiteral("mg/m^3"), .labelName = row.labelName});
        Panel scale = top.line();
        scale.label(row.leftName, row.leftText);
        auto *bar = new QScrollBar(Qt::Horizontal, scale.container());
        bar->setObjectName(row.bar);
        bar->setAccessibleName(row.label);
        bar->setRange(kAirIndexBarMinimum, kAirIndexBarMaximum);
        bar->setValue(kAirIndexBarMinimum);
        bar->setMinimumWidth(240);
        scale.place(bar);
        scale.label(row.rightName, row.rightText);
        // Only a drag of the thumb writes the box, in a red that deepens
        // towards the right end; arrows and track move the bar alone.
        const AirPollutant pollutant = row.pollutant;
        QObject::connect(bar, &QScrollBar::sliderMoved, box, [box, pollutant](int position) {
            box->write(airBarText(pollutant, position));
            setTextColour(box, redShade(airBarRed(position)));
        });
    }
    top.button("Command1", QStringLiteral("计算结果"));
    Panel results = top.frame("Frame1", QStringLiteral("结果"));
    for (const ResultRow &row : kResults)
        results.result({.name = row.box, .label = row.label, .flags = Bold, .labelName = row.labelName,
                        .color = kGreenText});
    top.button("Command2", QStringLiteral("对健康的影响和建议采取措施"));
}

void compute(Form &f)
{
    const AirIndexResult r = computeAirIndex({.so2 = f.text("Text1"), .no2 = f.text("Text2"), .pm10 = f.text("Text3")});
    f.write("Text4", DoubleText(r.so2Index));
    f.write("Text5", DoubleText(r.no2Index));
    f.write("Text6", DoubleText(r.pm10Index));
    f.write("Text9", r.primaryPollutant);
    f.write("Text7", DoubleText(r.api));
    f.write("Text8", r.quality);
}

FormSpec airIndexSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("空气污染指数计算");
    spec.design = design;
    spec.steps["compute"] = compute;
    spec.steps["table"] = showsWindow(QStringLiteral("空气污染指数及范围"));
    spec.triggers = {{On::Press, {"Command1"}, {"compute"}}, {On::Press, {"Command2"}, {"table"}}};
    // A typed or written concentration moves its bar; a text that is no
    // number or lies off the scale leaves it. Setting the bar counts as no
    // drag, also while the thumb is held, so the box is not written again.
    for (const InputRow &row : kInputs) {
        spec.steps[barStep(row)] = [row](Form &f) {
            if (const auto position = airBarPosition(row.pollutant, f.text(row.box))) {
                auto *bar = f.get<QScrollBar>(row.bar);
                const QSignalBlocker quiet(bar);
                bar->setValue(*position);
            }
        };
        spec.triggers.push_back({On::Change, {row.box}, {barStep(row)}});
    }
    return spec;
}

} // namespace

void registerAirIndexWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("空气污染指数计算1"), QStringLiteral("atmosphere"),
                       ToolKind::ComputeButtonCalculator, airIndexSpec);
}

} // namespace corvalen
