#include "process_air/foundry_window.h"

#include "common/forms/controls.h"
#include "common/forms/form_window.h"
#include "common/forms/message_box.h"
#include "common/numbers/number_text.h"
#include "process_air/foundry.h"

#include <QComboBox>

namespace corvalen {
namespace {

// The controls of a branch: its furnace and treatment lists and the
// elements of the label array Label2 beside them.
struct BranchControls
{
    QString furnaceList;
    QString treatmentList;
    int branchLabel;
};

// In the order of foundryBranches().
const BranchControls kControls[] = {
    {"Combo1", "Combo7", 3}, {"Combo2", "Combo8", 0}, {"Combo3", "Combo9", 1},
    {"Combo4", "Combo10", 2}, {"Combo5", "Combo11", 4}, {"Combo6", "Combo12", 5},
};

FoundryInputs readInputs(const Form &f)
{
    FoundryInputs in{.amount = f.text("Text1")};
    const QList<FoundryBranch> &branches = foundryBranches();
    for (int i = 0; i < branches.size(); ++i)
        in.*branches[i].choice = {f.text(kControls[i].furnaceList), f.text(kControls[i].treatmentList)};
    return in;
}

// 清除: every list emptied of items and text, then filled as at load.
void refillLists(Form &f)
{
    const QList<FoundryBranch> &branches = foundryBranches();
    for (int i = 0; i < branches.size(); ++i) {
        for (const auto &[name, items] : {std::pair{kControls[i].furnaceList, branches[i].furnaces},
                                          std::pair{kControls[i].treatmentList, branches[i].treatments}}) {
            auto *list = f.get<QComboBox>(name);
            list->clear();
            fillList(list, items);
            list->setEditText(QString());
        }
    }
}

FormSpec foundrySpec()
{
    FormSpec spec;
    spec.caption = QStringLiteral("铸造工业颗粒物排放量");
    spec.design = [](Form &f) {
        Panel &top = f.top();
        top.title("Label1", QStringLiteral("铸造工业颗粒物排放量的计算"));
        std::vector<Panel> columns = top.columns(2);
        const QList<FoundryBranch> &branches = foundryBranches();
        for (int i = 0; i < branches.size(); ++i) {
            columns[0].list({.name = kControls[i].furnaceList, .label = branches[i].label,
                             .items = branches[i].furnaces,
                             .labelName = QStringLiteral("Label2_%1").arg(kControls[i].branchLabel)});
            columns[1].list({.name = kControls[i].treatmentList, .label = QStringLiteral("处理设施："),
                             .items = branches[i].treatments, .labelName = QStringLiteral("Label2_%1").arg(6 + i)});
        }
        top.box({.name = "Text1", .label = QStringLiteral("请输入原料（产品）量（T）："), .labelName = "Label2_12"});
        top.result({.name = "Text6", .label = QStringLiteral("颗粒物排放量（Kg）="), .text = QStringLiteral(" "),
                    .labelName = "Label3_0"});
        Panel buttons = top.line();
        buttons.button("Command2", QStringLiteral("计算"));
        buttons.button("Command3", QStringLiteral("清除"));
    };
    spec.values = WindowValues::maker<Foundry>();
    spec.steps["compute"] = [](Form &f) {
        Foundry &foundry = f.values<Foundry>();
        const int messages = foundry.press(readInputs(f));
        for (int i = 0; i < messages; ++i)
            showMessage(kNoStatisticsMessage);
        f.write("Text6", SingleText(foundry.emission));
    };
    spec.steps["clear"] = refillLists;
    spec.triggers = {{On::Press, {"Command2"}, {"compute"}}, {On::Press, {"Command3"}, {"clear"}}};
    return spec;
}

} // namespace

void registerFoundryWindow(ToolRegistry &registry)
{
    registerFormWindow(registry, QStringLiteral("铸造工业颗粒物排放量"), QStringLiteral("process_air"),
                       ToolKind::ComputeButtonCalculator, foundrySpec);
}

} // namespace corvalen
