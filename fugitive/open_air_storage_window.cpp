#include "fugitive/open_air_storage_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/views/picture_reference_window.h"
#include "fugitive/open_air_storage.h"

#include <QGridLayout>
#include <QPlainTextEdit>

namespace corvalen {
namespace {


const QString kWindow = QStringLiteral("有毒有害物质露天存放散发量");
const QString kFormulaFile = QStringLiteral(":/data/fugitive/formulas/open_air_storage.table");

// The constants A and B of the vapour-pressure relation, as the handbook
// lists them.
struct Substance
{
    QString name;
    QString a;
    QString b;
};

const Substance kSubstances[] = {
    {"苯", "34172", "7.962"},      {"甲烷", "8516", "6.863"},     {"甲醇", "38324", "8.802"},
    {"醋酸甲酯", "46150", "8.715"}, {"四氯化碳", "33914", "8.004"}, {"甲苯", "39198", "8.330"},
    {"醋酸乙酯", "51103", "9.010"}, {"乙醇", "23025", "7.72"},      {"乙醚", "46774", "9.13"},
};

// Blanks up to `width` half-width places; a Chinese character takes two.
QString padded(const QString &text, int width)
{
    int used = 0;
    for (QChar c : text)
        used += c.unicode() < 0x80 ? 1 : 2;
    return text + QString(std::max(0, width - used), u' ');
}

// The basis note: short lines to fit the box, then the table of A and B.
QString basisNote()
{
    QStringList lines = {
        "计算依据：《环境保护计算手册》",
        "中有害物质敞开存放时散发量的",
        "计算方法。有害物质敞开露天存",
        "放时，其散发速度主要取决于该",
        "物质在室温下的饱和蒸气压和室",
        "内的风速。下面列出几种常见物",
        "质的常数A和B，计算时可查表选",
        "用：",
        "物质名称|   A   |   B   |",
    };
    for (const Substance &s : kSubstances) {
        // Names of one character pair stand two places in.
        const QString name = s.name.size() < 4 ? QStringLiteral("  ") + s.name : s.name;
        lines << padded(name, 8) + u'|' + padded(s.a, 7) + u'|' + padded(s.b, 7) + u'|';
    }
    return lines.join(u'\n');
}

void design(Form &f)
{
    Panel &top = f.top();
    top.title("Label1", QStringLiteral("有毒有害物质敞开露天存放时散发量计算"));
    std::vector<Panel> columns = top.columns(2);
    Panel &left = columns[0];
    const auto input = [&left](const char *name, const char *label, qreal points) {
        TextBox *box = left.box({.name = name, .label = QString::fromUtf8(label), .flags = Numeric | SelectAll | Bold,
                                 .color = kGreenText, .width = kWideNumberWidth});
        setPoints(box, points);
    };
    input("Text1", "室内风速（m/s）：", kBodyPoints);
    input("Text2", "敞露面积（m^2）：", kBodyPoints);
    input("Text3", "有害物质分子量：", kBodyPoints);
    input("Text4", "敞开存放时温度（℃）：", kSmallPoints);
    input("Text5", "有害物质A常数：", kSmallPoints);
    input("Text8", "有害物质B常数：", kSmallPoints);
    left.line().button("Command2", QStringLiteral("计算"));
    left.result({.name = "Text6", .label = QStringLiteral("有害物质散发量（g/h）="),
                                   .text = QStringLiteral(" "), .flags = Bold, .color = kGreenText,
                                   .width = kWideNumberWidth});
    left.grid()->setColumnStretch(1, 1);
    left.stretch();

    QPlainTextEdit *note = columns[1].note("Text7", basisNote(), QStringLiteral("计算依据"));
    setFace(note, Face::Mono, kSmallPoints);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    note->setLineWrapMode(QPlainTextEdit::NoWrap);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int widest = widestLineWidth(note);
    note->setMinimumWidth(widest + 60);
    setNoteLines(note, 14, true);

    Panel frame = top.frame("Frame1", QStringLiteral("计算公式"));
    frame.place(formulaPicture(kFormulaFile, frame.container()), Qt::AlignLeft);
}

FormSpec openAirStorageSpec()
{
    FormSpec spec;
    spec.caption = kWindow;
    spec.design = design;
    spec.values = WindowValues::maker<OpenAirStorage>();
    spec.steps["G"] = [](Form &f) {
        OpenAirStorage &storage = f.values<OpenAirStorage>();
        storage.press({.windSpeed = f.text("Text1"),
                       .area = f.text("Text2"),
                       .molecularWeight = f.text("Text3"),
                       .temperature = f.text("Text4"),
                       .constantA = f.text("Text5"),
                       .constantB = f.text("Text8")});
        f.write("Text6", SingleText(storage.amount));
    };
    spec.triggers = {{On::Press, {"Command2"}, {"G"}}};
    return spec;
}

} // namespace

void registerOpenAirStorageWindow(ToolRegistry &registry)
{
    // The formula file is part of the program: a fault stops it at start.
    formulaPage(kFormulaFile);
    registerFormWindow(registry, kWindow, QStringLiteral("fugitive"), ToolKind::ComputeButtonCalculator,
                       openAirStorageSpec);
}

} // namespace corvalen
