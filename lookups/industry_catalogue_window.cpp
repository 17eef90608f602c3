#include "lookups/industry_catalogue_window.h"

#include "common/forms/form_style.h"
#include "common/forms/controls.h"
#include "common/forms/form_window.h"
#include "common/forms/message_box.h"
#include "lookups/industry_catalogue.h"
#include "lookups/keyword_search.h"

#include <QComboBox>
#include <QLabel>

namespace corvalen {
namespace {

const QString kFullText = QStringLiteral("产业结构调整目录全文");

void design(Form &f)
{
    Panel &top = f.top();
    QLabel *title = top.title("Label1", QStringLiteral("产业结构调整指导目录（2011年本）查询"));
    setBoldFont(title, false);
    if (!catalogueComplete())
        addNotice(top, QStringLiteral("注意：本程序所附目录文本不完整，查询结果仅供参考。"));

    Panel query = top.line();
    query.box({.name = "Text1", .label = QStringLiteral("请输入你所要查询项目的关键字："),
               .text = QStringLiteral("太阳能"), .labelName = "Label2"})
        ->setMinimumWidth(220);
    query.stretch();
    Panel pick = top.line();
    pick.list({.name = "Combo1", .label = QStringLiteral("请选择类别："), .labelName = "Label3"})
        ->setMinimumContentsLength(10);
    pick.button("Command1", QStringLiteral("查    询"));
    pick.stretch();

    Panel frame = top.frame("Frame1", QStringLiteral("查询结果"));
    ReportBox *result = frame.report("Text2", QStringLiteral("查询结果"));
    result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    result->setMinimumSize(560, 300);
    setTipColours(result);
    frame.button("Command2", QStringLiteral("产业结构调整指导目录（2011年本）全文阅读"));
    frame.label("Label4", QStringLiteral("注意：查询项目的关键字和查询类别，一定要选取的！"));
}

// An emptied keyword is named at once, while typing and on a class pick.
void askForKeyword(Form &f)
{
    if (!f.text("Text1").isEmpty())
        return;
    showMessage(QStringLiteral("请输入你要查询的关键字"));
    f.get("Text1")->setFocus();
}

void search(Form &f)
{
    const QString keyword = f.text("Text1");
    if (!KeywordAccepted(keyword)) {
        showMessage(refusedKeywordMessage());
        f.get("Text1")->setFocus();
        return;
    }
    const CatalogueSearch found = searchCatalogue(f.text("Combo1"), keyword);
    if (found.caption)
        f.write("Frame1", *found.caption);
    f.write("Text2", found.result);
}

FormSpec catalogueSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("产业结构调整指导目录");
    spec.design = design;
    spec.load = [](Form &f) {
        fillList(f.get<QComboBox>("Combo1"), catalogueClassNames());
    };
    spec.steps["askForKeyword"] = askForKeyword;
    spec.steps["search"] = search;
    spec.steps["fullText"] = showsWindow(kFullText);
    spec.triggers = {
        {On::Change, {"Text1"}, {"askForKeyword"}},
        {On::Choose, {"Combo1"}, {"askForKeyword"}},
        {On::Press, {"Command1"}, {"search"}},
        {On::Press, {"Command2"}, {"fullText"}},
    };
    return spec;
}

} // namespace

void registerIndustryCatalogueWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("产业结构调整指导目录"), QStringLiteral("lookups"), ToolKind::Other,
                       catalogueSpec);
}

} // namespace corvalen
