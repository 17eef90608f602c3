#include "lookups/industry_classification_window.h"

#include "common/forms/controls.h"
#include "common/forms/form_window.h"
#include "common/forms/message_box.h"
#include "lookups/industry_classification.h"
#include "lookups/keyword_search.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace corvalen {
namespace {

const QStringList &sectionItems()
{
    // The list's names of D, F, G, M, N, Q and R are worded apart from the
    // stored headings; only the first letter is used.
    static const QStringList items = {
        QStringLiteral("A 农、林、牧、渔业"), QStringLiteral("B 采矿业"), QStringLiteral("C 制造业"),
        QStringLiteral("D 电力及燃气及水的生产和供应业"), QStringLiteral("E 建筑业"),
        QStringLiteral("F 交通运输及仓储和邮政业"), QStringLiteral("G 信息传输及计算机服务和软件业"),
        QStringLiteral("H 批发和零售业"), QStringLiteral("I 住宿和餐饮业"), QStringLiteral("J 金融业"),
        QStringLiteral("K 房地产业"), QStringLiteral("L 租赁和商务服务业"),
        QStringLiteral("M 科学研究和技术服务和地质勘查业"), QStringLiteral("N 水利及环境和公共设施管理业"),
        QStringLiteral("O 居民服务和其他服务业"), QStringLiteral("P 教育"),
        QStringLiteral("Q 卫生及社会保障和社会福利业"), QStringLiteral("R 文化和体育和娱乐业"),
        QStringLiteral("S 公共管理和社会组织"), QStringLiteral("T 国际组织"),
    };
    return items;
}

void design(Form &f)
{
    Panel &top = f.top();
    top.title("Label1", QStringLiteral("国民经济行业分类与代码检索"));
    Panel mode = top.frame("Frame1", QStringLiteral("检索方式")).line();
    // Each option's caption is the label beside it.
    for (const auto &[option, label, caption] :
         {std::tuple{"Option1", "Label2", QStringLiteral("按行业类别检索")},
          std::tuple{"Option2", "Label3", QStringLiteral("关键字检索")}}) {
        QRadioButton *button = mode.option(option, QString());
        button->setAccessibleName(caption);
        mode.label(label, caption)->setBuddy(button);
    }
    mode.stretch();
    Panel query = top.line();
    QLabel *prompt = query.label("Label4", QStringLiteral("请选择你想检索的行业类别："));
    QComboBox *list = query.list({.name = "Combo1", .accessibleName = QStringLiteral("行业类别")});
    list->setMinimumContentsLength(24);
    TextBox *keyword = query.box({.name = "Text1", .text = QStringLiteral("化工"),
                                  .accessibleName = QStringLiteral("检索行业类别的关键字")});
    keyword->setMinimumWidth(200);
    query.button("Command1", QStringLiteral("检索"));
    query.stretch();
    prompt->setBuddy(list);
    top.frame("Frame2", QStringLiteral("检索结果：")).report("RichTextBox1", QStringLiteral("检索结果"));
}

void showMode(Form &f, bool byKeyword)
{
    f.get<QComboBox>("Combo1")->setVisible(!byKeyword);
    f.get("Text1")->setVisible(byKeyword);
    f.get("Command1")->setVisible(byKeyword);
    f.write("Label4", byKeyword ? QStringLiteral("输入检索行业类别的关键字：")
                                : QStringLiteral("请选择你想检索的行业类别："));
    f.get<QLabel>("Label4")->setBuddy(f.get(byKeyword ? "Text1" : "Combo1"));
}

FormSpec classificationSpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("国民经济行业分类与代码检索");
    spec.size = QSize(720, 560);
    spec.design = design;
    spec.load = [](Form &f) {
        f.setChecked("Option1", true);
        showMode(f, false);
        fillList(f.get<QComboBox>("Combo1"), sectionItems());
    };
    spec.steps["sectionMode"] = [](Form &f) { showMode(f, false); };
    spec.steps["keywordMode"] = [](Form &f) { showMode(f, true); };
    spec.steps["section"] = [](Form &f) {
        const QString item = f.text("Combo1");
        if (!item.isEmpty())
            f.write("RichTextBox1", IndustryClassification::builtIn().sectionResult(item.front()));
    };
    spec.steps["keyword"] = [](Form &f) {
        const QString keyword = f.text("Text1");
        if (!KeywordAccepted(keyword)) {
            showMessage(refusedKeywordMessage());
            f.get("Text1")->setFocus();
            return;
        }
        f.write("RichTextBox1", IndustryClassification::builtIn().keywordResult(keyword));
    };
    spec.triggers = {
        {On::Press, {"Option1"}, {"sectionMode"}},
        {On::Press, {"Option2"}, {"keywordMode"}},
        {On::Choose, {"Combo1"}, {"section"}},
        {On::Press, {"Command1"}, {"keyword"}},
    };
    return spec;
}

} // namespace

void registerIndustryClassificationWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("国民经济行业分类与代码检索1"), QStringLiteral("lookups"),
                       ToolKind::Other, classificationSpec);
}

} // namespace corvalen
