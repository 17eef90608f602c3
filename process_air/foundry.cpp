#include "process_air/foundry.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <optional>

namespace corvalen {

const QString kNoStatisticsMessage = QStringLiteral("未有统计数据");

namespace {

QList<FoundryFactor> factorRows(std::initializer_list<FoundryFactor> rows)
{
    return QList<FoundryFactor>(rows);
}

} // namespace

const QList<FoundryBranch> &foundryBranches()
{
    const QString none = QStringLiteral("无防治措施");
    const QString bag = QStringLiteral("袋室除尘");
    static const QList<FoundryBranch> branches{
        {&FoundryInputs::aluminium, QStringLiteral("铝件铸造业："),
         {QStringLiteral("加融剂的工厂"), QStringLiteral("坩锅炉"), QStringLiteral("反射炉"), QStringLiteral("废铝处理炉")},
         {none, bag, QStringLiteral("电除尘")},
         factorRows({{QStringLiteral("加融剂的工厂"), none, 453.9},
                     {QStringLiteral("加融剂的工厂"), bag, 22.68},
                     {QStringLiteral("坩锅炉"), none, 0.86},
                     {QStringLiteral("反射炉"), none, 1.95},
                     {QStringLiteral("反射炉"), bag, 0.59},
                     {QStringLiteral("反射炉"), QStringLiteral("电除尘"), 0.59},
                     {QStringLiteral("废铝处理炉"), none, 14.61},
                     {QStringLiteral("废铝处理炉"), bag, 1.5}})},
        {&FoundryInputs::brass, QStringLiteral("黄铜和青铜溶炼业："),
         {QStringLiteral("坩锅炉"), QStringLiteral("电炉"), QStringLiteral("反射炉"), QStringLiteral("回转炉")},
         {none, bag},
         factorRows({{QStringLiteral("坩锅炉"), none, 1.77},
                     {QStringLiteral("坩锅炉"), bag, 0.32},
                     {QStringLiteral("电炉"), none, 1.36},
                     {QStringLiteral("电炉"), bag, 0.26},
                     {QStringLiteral("反射炉"), none, 11.93},
                     {QStringLiteral("反射炉"), bag, 0.82},
                     {QStringLiteral("回转炉"), none, 9.48},
                     {QStringLiteral("回转炉"), bag, 0.68}})},
        // Grey iron: one furnace item; the second list names the cupola's
        // treatment or another furnace.
        {&FoundryInputs::greyIron, QStringLiteral("铸造生铁业："),
         {QStringLiteral("通用")},
         {none, QStringLiteral("湿盖除尘"), QStringLiteral("冲击式洗涤机"), QStringLiteral("高能量洗涤机"),
          QStringLiteral("电集除尘器"), bag, QStringLiteral("反射炉"), QStringLiteral("感应电炉")},
         factorRows({{QStringLiteral("通用"), none, 7.89},
                     {QStringLiteral("通用"), QStringLiteral("湿盖除尘"), 3.63},
                     {QStringLiteral("通用"), QStringLiteral("冲击式洗涤机"), 2.27},
                     {QStringLiteral("通用"), QStringLiteral("高能量洗涤机"), 1.36},
                     {QStringLiteral("通用"), QStringLiteral("电集除尘器"), 1.22},
                     {QStringLiteral("通用"), bag, 1},
                     {QStringLiteral("通用"), QStringLiteral("反射炉"), 0.91},
                     {QStringLiteral("通用"), QStringLiteral("感应电炉"), 0.91}})},
        {&FoundryInputs::lead, QStringLiteral("化铅炉："),
         {QStringLiteral("圆顶炉"), QStringLiteral("钵炉"), QStringLiteral("反射炉或旧铅炉")},
         {none, bag},
         factorRows({{QStringLiteral("圆顶炉"), none, 136.1},
                     {QStringLiteral("圆顶炉"), bag, 2.31},
                     {QStringLiteral("钵炉"), none, 0.05},
                     {QStringLiteral("反射炉或旧铅炉"), none, 69.85},
                     {QStringLiteral("反射炉或旧铅炉"), bag, 0.64}})},
        // The steel list holds its two first items twice, as the handbook
        // form does; either copy chooses the same factor.
        {&FoundryInputs::steel, QStringLiteral("铸钢工业："),
         {QStringLiteral("弧型炉"), QStringLiteral("感应炉"), QStringLiteral("平炉")},
         {none, bag, QStringLiteral("电吸尘器"), none, bag},
         factorRows({{QStringLiteral("弧型炉"), none, 6.8},
                     {QStringLiteral("弧型炉"), bag, 0.64},
                     {QStringLiteral("感应炉"), none, 0.05},
                     {QStringLiteral("平炉"), none, 4.84},
                     {QStringLiteral("平炉"), QStringLiteral("电吸尘器"), 0.23}})},
        {&FoundryInputs::zinc, QStringLiteral("锌加工业："),
         {QStringLiteral("镀锌炉"), QStringLiteral("氧化锌炉"), QStringLiteral("锌熔炼"), QStringLiteral("熔旧锌炉")},
         {none, bag},
         factorRows({{QStringLiteral("镀锌炉"), none, 2.4},
                     {QStringLiteral("氧化锌炉"), none, 38.71},
                     {QStringLiteral("氧化锌炉"), bag, 0.45},
                     {QStringLiteral("锌熔炼"), none, 0.05},
                     {QStringLiteral("熔旧锌炉"), none, 4.9},
                     {QStringLiteral("熔旧锌炉"), bag, 0.18}})},
    };
    return branches;
}

int Foundry::press(const FoundryInputs &in)
{
    int messages = 0;
    for (const FoundryBranch &branch : foundryBranches()) {
        const FoundryChoice &choice = in.*branch.choice;
        bool furnaceKnown = false;
        const FoundryFactor *match = nullptr;
        for (const FoundryFactor &row : branch.factors) {
            if (row.furnace != choice.furnace)
                continue;
            furnaceKnown = true;
            if (row.treatment == choice.treatment) {
                match = &row;
                break;
            }
        }
        if (match) {
            if (const std::optional<double> t = ToDouble(in.amount))
                emission = StoredSingle(*t * match->factor);
        } else if (furnaceKnown) {
            ++messages;
        }
    }
    return messages;
}

} // namespace corvalen
