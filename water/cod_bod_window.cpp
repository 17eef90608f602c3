#include "water/cod_bod_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/files/note_file.h"
#include "water/cod_bod.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace corvalen {
namespace {


void design(Form &f)
{
    Panel &top = f.top();
    QLabel *title = top.label("Label1", QStringLiteral("常见几种类型的废水COD与BOD的转换"));
    title->setAlignment(Qt::AlignCenter);
    setPoints(title, kTitlePoints);

    std::vector<Panel> columns = top.columns(3);
    // Each row: caption and COD box on the left, its BOD5 box beside them.
    setPoints(columns[0].label("Label2", QStringLiteral("COD")), kTitlePoints);
    setPoints(columns[1].label("Label3", QStringLiteral("BOD5")), kTitlePoints);
    for (const CodBodLine &line : codBodLines()) {
        const QString caption = line.caption.toString();
        columns[0].box({.name = line.codBox.toString(), .label = caption});
        TextBox *bod5 = columns[1].box(
            {.name = line.bodBox.toString(), .label = QString(), .accessibleName = caption + QStringLiteral(" BOD5")});
        // Wide enough for a double's 15 digits.
        bod5->setMinimumWidth(bod5->fontMetrics().horizontalAdvance(QStringLiteral("-131.210000000001")) + 12);
    }
    QPlainTextEdit *note = columns[2].note("RichTextBox1",
                                           noteText(QStringLiteral("water"), QStringLiteral("cod_bod.txt")),
                                           QStringLiteral("说明"));
    setPoints(note, kSmallPoints);
    note->setMinimumSize(220, 230);
}

} // namespace

void registerCodBodWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("COD转换BOD"), QStringLiteral("water"), ToolKind::LiveCalculator, [] {
        FormSpec spec;
        spec.caption = QStringLiteral("COD转换BOD");
        spec.design = design;
        // Each COD box rewrites its own row's BOD5 box; a text that is no
        // number leaves it as it was.
        for (const CodBodLine &line : codBodLines()) {
            const QString step = line.bodBox.toString();
            spec.steps[step] = [&line](Form &f) {
                if (const std::optional<double> bod5 = bod5FromCod(f.text(line.codBox.toString()), line))
                    f.write(line.bodBox.toString(), DoubleText(*bod5));
            };
            spec.triggers.push_back({On::Change, {line.codBox.toString()}, {step}});
        }
        return spec;
    });
}

} // namespace corvalen
