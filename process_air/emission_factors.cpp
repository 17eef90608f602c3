#include "process_air/emission_factors.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <optional>

namespace corvalen {
namespace {

const QString kFurnaceMode = QStringLiteral("焚烧炉焚烧");
const QString kOpenBurning = QStringLiteral("露天焚烧");
const QString kRotaryKiln = QStringLiteral("回转窑");
const QString kShaftKiln = QStringLiteral("竖型窑");

// Open burning, kg per t of refuse: one factor per refuse kind.
struct OpenBurningRow
{
    QString pollutant;
    double urban;         // 城市垃圾
    double agricultural;  // 农业垃圾
};

const QList<OpenBurningRow> &openBurningRows()
{
    static const QList<OpenBurningRow> rows{
        {QStringLiteral("烟尘"), 7.26, 7.71},
        {QStringLiteral("甲醛"), 0.045, 0.005},
        {QStringLiteral("一氧化碳"), 38.56, 27.22},
        {QStringLiteral("碳氢化合物（乙烷）"), 2.27, 0.91},
        {QStringLiteral("氮氧化物（NO）"), 4.99, 0.91},
        {QStringLiteral("有机酸（醋酸）"), 6.8, 5.9},
    };
    return rows;
}

const QString kUrbanRefuse = QStringLiteral("城市垃圾");
const QString kAgriculturalRefuse = QStringLiteral("农业垃圾");

const FactorItem *findItem(const QList<FactorItem> &items, const QString &text)
{
    for (const FactorItem &item : items) {
        if (item.text == text)
            return &item;
    }
    return nullptr;
}

// E := amount × factor, when the amount is a number.
void storeProduct(float &emission, const QString &amountText, double factor)
{
    if (const std::optional<double> g = ToDouble(amountText))
        StoreOrKeep(emission, *g * factor);
}

} // namespace

QStringList incineratorModes()
{
    return {kFurnaceMode, kOpenBurning};
}

const QList<FactorItem> &incineratorFurnaces()
{
    // Dust, kg per t of refuse.
    static const QList<FactorItem> items{
        {QStringLiteral("城市系统多室炉"), 7.71},
        {QStringLiteral("商业系统多室炉"), 1.36},
        {QStringLiteral("商业系统单室炉"), 4.54},
        {QStringLiteral("投入式焚烧炉"), 12.7},
        {QStringLiteral("家用焚烧炉"), 6.8},
    };
    return items;
}

QStringList refuseKinds()
{
    return {kUrbanRefuse, kAgriculturalRefuse};
}

QStringList openBurningPollutants()
{
    QStringList texts;
    for (const OpenBurningRow &row : openBurningRows())
        texts.append(row.pollutant);
    return texts;
}

bool incineratorShowsFurnace(const QString &mode)
{
    return mode != kOpenBurning;
}

bool Incinerator::press(const IncineratorInputs &in)
{
    if (in.mode == kFurnaceMode) {
        const FactorItem *furnace = findItem(incineratorFurnaces(), in.furnace);
        if (!furnace) {
            emission = 0;
            return false;
        }
        const std::optional<double> eta = ToDouble(in.efficiency);
        const std::optional<double> g = ToDouble(in.amount);
        // With an efficiency of 100 % and an amount whose product overflows,
        // 0·∞ has no value: E keeps what it held.
        if (eta && g)
            StoreOrKeep(emission, (100 - *eta) * (*g * furnace->factor) / 100);
        return furnace->text == QStringLiteral("商业系统单室炉") || furnace->text == QStringLiteral("家用焚烧炉");
    }
    if (in.mode == kOpenBurning) {
        const bool urban = in.refuseKind == kUrbanRefuse;
        if (!urban && in.refuseKind != kAgriculturalRefuse)
            return false;
        for (const OpenBurningRow &row : openBurningRows()) {
            if (row.pollutant == in.pollutant) {
                storeProduct(emission, in.amount, urban ? row.urban : row.agricultural);
                return false;
            }
        }
        emission = 0;
    }
    return false;
}

const QList<FactorItem> &feedMillPlants()
{
    // Particulates, kg per t processed.
    static const QList<FactorItem> items{
        {QStringLiteral("小麦风选器（除壳）"), 0.091},
        {QStringLiteral("草饲料的磨粉机"), 1.81},
        {QStringLiteral("大麦磨粉机"), 1.41},
        {QStringLiteral("秸杆粉干燥器"), 5.13},
    };
    return items;
}

void FeedMill::press(const FeedMillInputs &in)
{
    if (const FactorItem *plant = findItem(feedMillPlants(), in.plant))
        storeProduct(emission, in.amount, plant->factor);
    else
        emission = 0;
}

void CottonGin::press(const AmountInput &in)
{
    // 2.34 % of the cotton ginned leaves as lint, dust and fibre.
    if (const std::optional<double> g = ToDouble(in.amount))
        StoreOrKeep(emission, *g * 2.34 / 100);
}

void GlassRawMaterial::press(const AmountInput &in)
{
    // 7.48 kg per t charged (the basis note names 7.84; the factor used is 7.48).
    storeProduct(emission, in.amount, 7.48);
}

void GlassMaking::press(const AmountInput &in)
{
    storeProduct(emission, in.amount, 0.91);
}

QStringList limeKilnKinds()
{
    return {kRotaryKiln, kShaftKiln};
}

void LimeKilnDust::press(const LimeKilnDustInputs &in)
{
    if (in.kiln == kRotaryKiln) {
        const std::optional<double> k = ToDouble(in.coefficient);
        const std::optional<double> g = ToDouble(in.amount);
        if (k && g)
            StoreOrKeep(emission, *k * *g / 100);
    } else if (in.kiln == kShaftKiln) {
        // Shaft kilns: about 1 % of the output, whatever the box holds.
        if (const std::optional<double> g = ToDouble(in.amount))
            StoreOrKeep(emission, *g * 1 / 100);
    } else {
        emission = 0;
    }
}

} // namespace corvalen
