#include "water/cod_bod_window.h"

#include "common/form_style.h"
#include "common/form_window.h"
#include "water/cod_bod.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace corvalen {
namespace {

const QString kNote = QStringLiteral(
    "说明：COD与BOD5无必然联系，但是却也有一定的规律可循：1机械废水、 2冷却废水、3制药废水、4纺织印染废水、"
    "5食品加工废水、6饮食废水、 7医院废水、8生活污水，八种废水中各自的 BOD5与 CODcr(x)线性关系密切 ，"
    "据此可以由该类污染物的COD折算BOD5，此处折算有经验算法，折算出的BOD5可供参考！");

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
    QPlainTextEdit *note = columns[2].note("RichTextBox1", kNote, QStringLiteral("说明"));
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
