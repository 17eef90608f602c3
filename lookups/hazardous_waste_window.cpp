#include "lookups/hazardous_waste_window.h"

#include "common/forms/controls.h"
#include "common/forms/form_window.h"
#include "lookups/hazardous_waste_list.h"

#include <QComboBox>
#include <QLabel>

namespace corvalen {
namespace {

const QString kFullText = QStringLiteral("国家危险废物名录全文");

void design(Form &f)
{
    Panel &top = f.top();
    top.title("Label1", QStringLiteral("危险废物名录查询"));
    if (!hazardousWasteList().complete)
        addNotice(top, QStringLiteral("注意：本程序所附名录文本不完整，缺少HW02至HW47的废物来源和常见危害组分。"));
    QLabel *prompt = top.label(QString(), QStringLiteral("按危废编号查询："));
    Panel query = top.line();
    QComboBox *codes = query.list({.name = "Combo1", .accessibleName = QStringLiteral("按危废编号查询：")});
    codes->setMinimumContentsLength(8);
    prompt->setBuddy(codes);
    TextBox *heading = query.result({.name = "Text4", .flags = Bold, .accessibleName = QStringLiteral("危废编号和类别")});
    heading->setMinimumWidth(300);
    query.button("Command1", QStringLiteral("查 询"));
    query.stretch();

    Panel frame = top.frame("Frame1", QStringLiteral("查询结果"));
    ReportBox *entry = frame.report("Text3", QStringLiteral("查询结果"));
    entry->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    entry->setMinimumSize(480, 260);
    setTipColours(entry);
    frame.button("Command3", QStringLiteral("查看国家危险废物名录全文"));
}

FormSpec hazardousWasteSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("危险废物名录查询");
    spec.design = design;
    spec.load = [](Form &f) {
        fillList(f.get<QComboBox>("Combo1"), hazardousWasteCodes());
    };
    spec.steps["codeAndName"] = [](Form &f) {
        if (const std::optional<QString> text = wasteCodeAndName(hazardousWasteListText(), f.text("Combo1")))
            f.write("Text4", *text);
    };
    // A text found nowhere, or with no heading after it, leaves the entry.
    spec.steps["entry"] = [](Form &f) {
        if (const std::optional<QString> text = wasteEntry(hazardousWasteListText(), f.text("Combo1")))
            f.write("Text3", *text);
    };
    spec.steps["fullText"] = showsWindow(kFullText);
    spec.triggers = {
        {On::Choose, {"Combo1"}, {"codeAndName"}},
        {On::Press, {"Command1"}, {"entry"}},
        {On::Press, {"Command3"}, {"fullText"}},
    };
    return spec;
}

} // namespace

void registerHazardousWasteWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("危险废物名录查询1"), QStringLiteral("lookups"), ToolKind::Other,
                       hazardousWasteSpec);
}

} // namespace corvalen
