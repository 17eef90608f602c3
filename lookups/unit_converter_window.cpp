#include "lookups/unit_converter_window.h"

#include "common/forms/controls.h"
#include "common/forms/form_style.h"
#include "common/forms/form_window.h"
#include "lookups/unit_converter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>

namespace corvalen {

namespace {

// The usage note: the sentence and the three points each on a line.
const QString kUsageNote = QStringLiteral(
    "    此处收录了大部分在环评过程中有可能用到的单位换算，使用方法如下：\n"
    "一：常用单位查询中，查出各单位的转换系数；\n"
    "二：常用单位转换中输入相应的数字进行转换！\n"
    "三：系数的转换目前只做到质量单位转换中吨与短吨的转换，后面的各类转换还未完成，如果有用到其它的转换，"
    "你可以在一中查出各单位位的转换系数，手工进行转换！");

QComboBox *boldList(Panel &panel, const char *name, const QStringList &items, const QString &accessibleName)
{
    QComboBox *list = panel.list({.name = name, .label = {}, .items = items, .accessibleName = accessibleName});
    setBoldFont(list);
    list->setMinimumWidth(420);
    return list;
}

// Some relations run to eighty characters: the list opens as wide as its
// widest item, within the screen, and one wider than the screen loses its
// end, never its middle (where the factor stands).
void fitPopupToItems(QComboBox *list)
{
    QAbstractItemView *view = list->view();
    view->setTextElideMode(Qt::ElideRight);
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (list->count() > list->maxVisibleItems())
        width += view->verticalScrollBar()->sizeHint().width();
    if (const QScreen *screen = list->screen())
        width = std::min(width, screen->availableGeometry().width());
    view->setMinimumWidth(width);
}

// The box shows a chosen relation from its start, and its tooltip holds the
// whole text, which the box may be too narrow for.
void showWholeRelation(QComboBox *list)
{
    QObject::connect(list, &QComboBox::editTextChanged, list, [list](const QString &text) { list->setToolTip(text); });
    onChosen(list, list, [list] {
        if (QLineEdit *edit = list->lineEdit())
            edit->setCursorPosition(0);
    });
}

FormSpec unitConverterSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("常用度量衡单位查询");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        QLabel *title = top.title("Label1", QStringLiteral("常用度量衡单位查询"));
        setPoints(title, kTitlePoints);
        top.label("Label3", QStringLiteral("常用度量衡单位查询"));
        boldList(top, "Combo1", {}, QStringLiteral("单位类别"));
        showWholeRelation(boldList(top, "Combo2", {}, QStringLiteral("单位关系")));
        top.label("Label2", QStringLiteral("常用度量衡单位转换"));
        Panel value = top.line();
        value.box({.name = "Text1", .label = {}, .flags = Bold, .accessibleName = QStringLiteral("换算的数值")});
        value.label("Label4", QStringLiteral("千米（km）"));
        value.stretch();
        QLabel *arrow = top.label("Image1", QStringLiteral("↓"));
        setPoints(arrow, kSignPoints);
        setBoldFont(arrow);
        arrow->setAccessibleName(QStringLiteral("换算为"));
        Panel result = top.line();
        result.box({.name = "Text2", .label = {}, .flags = Bold, .accessibleName = QStringLiteral("换算结果")});
        result.label("Label5", QStringLiteral("英里（mile）"));
        result.stretch();
        Panel note = top.frame("Frame1", QStringLiteral("说明"));
        QLabel *usage = note.label("Label6", kUsageNote);
        usage->setWordWrap(true);
    };
    // The load step: the category list, nothing chosen.
    spec.load = [](Form &f) {
        auto *categories = f.get<QComboBox>("Combo1");
        for (const UnitCategory &category : unitTables().categories)
            categories->addItem(category.name);
        categories->setCurrentIndex(-1);
        categories->setEditText(QString());
    };
    spec.steps["category"] = [](Form &f) {
        auto *relations = f.get<QComboBox>("Combo2");
        relations->clear();
        relations->setEditText(QString());
        if (const std::optional<QStringList> list = unitTables().relationsOf(f.text("Combo1"))) {
            relations->addItems(*list);
            relations->setCurrentIndex(-1);
            relations->setEditText(QString());
        }
        fitPopupToItems(relations);
    };
    spec.steps["relation"] = [](Form &f) {
        const UnitConversion *conversion = unitTables().conversionOf(f.text("Combo2"));
        if (!conversion)
            return;
        f.write("Text1", QString());
        f.write("Text2", QString());
        f.write("Label4", conversion->fromUnit);
        f.write("Label5", conversion->toUnit);
    };
    spec.steps["convert"] = [](Form &f) {
        const UnitConversion *conversion = unitTables().conversionOf(f.text("Combo2"));
        if (!conversion)
            return;
        if (const std::optional<QString> text = convertUnitValue(f.text("Text1"), conversion->factor))
            f.write("Text2", *text);
    };
    spec.triggers = {
        {On::Choose, {"Combo1"}, {"category"}},
        {On::Choose, {"Combo2"}, {"relation"}},
        {On::Change, {"Text1"}, {"convert"}},
    };
    return spec;
}

} // namespace

void registerUnitConverterWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("万能单位换算"), QStringLiteral("lookups"), ToolKind::LiveCalculator,
                       unitConverterSpec);
}

} // namespace corvalen
