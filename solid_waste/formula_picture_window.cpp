#include "solid_waste/formula_picture_window.h"

#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "common/files/rich_text.h"
#include "common/views/rich_text_document.h"

#include <QFrame>
#include <QTextDocument>
#include <QTextEdit>

namespace corvalen {

namespace {

struct PictureWindow
{
    QString name;
    QString caption;
    QString picture;  // the file of Picture1
    QString overlay;  // Label1 under the picture, completing its legend; may be empty
    QString basis;    // Label2
    QString list;     // the file of RichTextBox1; may be empty
};

const std::vector<PictureWindow> &pictureWindows()
{
    static const std::vector<PictureWindow> windows = {
        {QStringLiteral("化铝铜锌渣产生量的计算1"), QStringLiteral("化铝铜锌渣产生量的计算"),
         QStringLiteral("smelting_slag.text"), QStringLiteral("       η——为除尘效率"),
         QStringLiteral("计算依据：《环境统计报表填报指南》P77"), {}},
        {QStringLiteral("高炉渣钢渣铁合金渣产生量计算1"), QStringLiteral("高炉渣钢渣铁合金渣产生量计算"),
         QStringLiteral("furnace_slag.text"), {}, QStringLiteral("计算依据：《环境统计报表填报指南》P76-77"),
         QStringLiteral("furnace_slag_factors.text")},
        {QStringLiteral("电石渣产生量"), QStringLiteral("电石渣产生量"), QStringLiteral("carbide_slag.text"), {},
         QStringLiteral("计算依据：《环境统计报表填报指南》P80"), {}},
        {QStringLiteral("冲天炉渣产生量"), QStringLiteral("冲天炉渣产生量"), QStringLiteral("cupola_slag.text"), {},
         QStringLiteral("计算依据：《环境统计报表填报指南》P77"), {}},
    };
    return windows;
}

void registerPictureWindow(ToolRegistry &registry, const QString &name, std::function<FormSpec()> makeSpec)
{
    // Drawn from rich-text files, so of the rich-text kind.
    registerFormWindow(registry, name, QStringLiteral("solid_waste"), ToolKind::RichTextReference,
                       std::move(makeSpec));
}

} // namespace

QTextEdit *formulaPicture(Panel &panel, const QString &name, const QString &file)
{
    const QString path = QStringLiteral(":/data/solid_waste/formulas/") + file;
    const RichTextFile text = loadBuiltInRichTextFile(path);
    auto *picture = new QTextEdit(panel.container());
    picture->setObjectName(name);
    picture->setAccessibleName(text.caption);
    picture->setReadOnly(true);
    picture->setFrameShape(QFrame::NoFrame);
    picture->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    picture->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fillTextDocument(picture->document(), text);
    // As large as its text: the width the file asks for, the height its
    // text then takes.
    const int width = text.size.isValid() ? text.size.width() : 460;
    // Measured on a document of its own: the box's document is laid out
    // against the box's provisional width until the box is shown.
    QTextDocument measure;
    measure.setDefaultFont(picture->document()->defaultFont());
    fillTextDocument(&measure, text);
    measure.setTextWidth(width);
    picture->setFixedSize(width + 4, int(measure.size().height()) + 6);
    panel.place(picture);
    return picture;
}

void registerFormulaPictureWindows(ToolRegistry &registry)
{
    for (const PictureWindow &window : pictureWindows()) {
        registerPictureWindow(registry, window.name, [&window] {
            FormSpec spec;
            spec.caption = window.caption;
            spec.design = [&window](Form &f) {
                Panel &top = f.top();
                formulaPicture(top, QStringLiteral("Picture1"), window.picture);
                if (!window.overlay.isEmpty()) {
                    QLabel *overlay = top.label(QStringLiteral("Label1"), window.overlay);
                    setFace(overlay, Face::Song, kSmallPoints, true);
                }
                top.label(QStringLiteral("Label2"), window.basis);
                if (!window.list.isEmpty())
                    formulaPicture(top, QStringLiteral("RichTextBox1"), window.list);
                top.stretch();
            };
            return spec;
        });
    }
    registerPictureWindow(registry, QStringLiteral("燃煤可燃物"), [] {
        FormSpec spec;
        spec.caption = QStringLiteral("燃煤可燃物百分含量查询");
        spec.design = [](Form &f) {
            formulaPicture(f.top(), QStringLiteral("Image1"), QStringLiteral("soot_combustibles.text"));
            f.top().stretch();
        };
        return spec;
    });
    registerPictureWindow(registry, QStringLiteral("生活污水处理污泥计算来源"), [] {
        FormSpec spec;
        spec.caption = QStringLiteral("生活污水处理污泥计算来源");
        spec.design = [](Form &f) {
            f.top().label(QStringLiteral("Label2"), QStringLiteral("计算依据：《环境统计报表填报指南》P82"));
            formulaPicture(f.top(), QStringLiteral("Image1"), QStringLiteral("sewage_sludge.text"));
            f.top().stretch();
        };
        return spec;
    });
}

} // namespace corvalen
