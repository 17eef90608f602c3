#include "water/wastewater_estimates.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>
#include <limits>

namespace corvalen {

void HospitalWastewater::press(const HospitalInputs &in)
{
    const std::optional<double> beds = ToDouble(in.beds);
    if (!beds)
        return;
    const double n = *beds;
    // Daily water per bed 1, 0.7 and 0.25 t by size; wastewater 80 % of it.
    if (in.size == kLargeHospital) {
        water = StoredSingle(n * 365);
        wastewater = StoredSingle(n * 0.8 * 365);
    } else if (in.size == kMediumHospital) {
        water = StoredSingle(n * 0.7 * 365);
        wastewater = StoredSingle(n * 0.56 * 365);
    } else if (in.size == kSmallHospital) {
        water = StoredSingle(n * 0.25 * 365);
        wastewater = StoredSingle(n * 0.2 * 365);
    }
    // Grams per bed and day (BOD5 60, SS 55, NH3-N 15) to tonnes per year.
    bod5 = StoredSingle(n * 60 * 365 / 1000000);
    ss = StoredSingle(n * 55 * 365 / 1000000);
    ammonia = StoredSingle(n * 15 * 365 / 1000000);
}

namespace {

void storeIfNumber(float &value, const QString &text)
{
    if (const std::optional<float> number = ToSingle(text))
        value = *number;
}

} // namespace

ServiceAreaResults ServiceAreaWastewater::press(const ServiceAreaInputs &in)
{
    storeIfNumber(persons, in.persons);
    storeIfNumber(coefficient, in.coefficient);
    storeIfNumber(quota, in.quota);
    storeIfNumber(washWater, in.washWater);
    storeIfNumber(domesticConc, in.domesticConc);
    storeIfNumber(washConc, in.washConc);

    ServiceAreaResults results;
    const double domestic = double(persons) * coefficient * quota;
    results.domesticFlow = Finite(domestic / 1000);
    results.domesticLoad = Finite(domestic * domesticConc / 1000000);
    // 2 % of the daily traffic is washed.
    if (const std::optional<double> traffic = ToDouble(in.traffic)) {
        const double washed = *traffic * washWater * 0.02;
        results.washFlow = Finite(washed / 1000);
        results.washLoad = Finite(washed * washConc / 1000000);
    }
    return results;
}

QString metalFinishingNote(const QString &trade)
{
    if (trade == kCyanidePlating || trade == kChromePlating)
        return QStringLiteral("请输入氰化物用量");
    return QStringLiteral("线路板的面积:M^2");
}

namespace {

// An amount kept as a single, as its text; none beyond the single range.
std::optional<QString> singleAmount(double value)
{
    const std::optional<float> stored = FiniteSingle(value);
    if (!stored)
        return std::nullopt;
    return SingleText(*stored);
}

std::optional<QString> doubleAmount(double value)
{
    if (!Finite(value))
        return std::nullopt;
    return DoubleText(value);
}

// The amounts of one report, by key, all or none.
struct Amounts
{
    bool ok = true;
    QString single(double value)
    {
        const std::optional<QString> text = singleAmount(value);
        ok = ok && text.has_value();
        return text.value_or(QString());
    }
    QString dbl(double value)
    {
        const std::optional<QString> text = doubleAmount(value);
        ok = ok && text.has_value();
        return text.value_or(QString());
    }
};

QStringList cyanidePlatingReport(double a, Amounts &amounts)
{
    const QString cyanide = amounts.single(a * 0.095);
    const QString copper = amounts.single(a * 0.019);
    const QString nickel = amounts.single(a * 0.025);
    const QString zinc = amounts.single(a * 0.025);
    return {
        QStringLiteral("氰化电镀产生的污染物:"),
        QStringLiteral("    氰化物(液)=") + cyanide + QStringLiteral("；  铜=") + copper + QStringLiteral(" ；  镍=") +
            nickel + QStringLiteral("；  锌=") + zinc,
        QStringLiteral("    排污量的单位与氰化物用量一致"),
    };
}

QStringList chromePlatingReport(double a, Amounts &amounts)
{
    const QString high = amounts.single(a * 0.38);
    const QString low = amounts.single(a * 0.34);
    return {
        QStringLiteral("用氰化物镀铬时,镀铬分为高铬纯化和低铬纯化,对于两种不同的工艺,排污量不一样"),
        QStringLiteral("    高铬纯化排放铬为:") + high,
        QStringLiteral("    低铬纯化排放的铬量为:") + low,
        QStringLiteral("    排污量的单位与氰化物用量一致"),
    };
}

// Waste water in t and copper in kg per m² of board, single- and
// double-sided: the mean and its range.
QStringList circuitBoardReport(double a, Amounts &amounts)
{
    const QString dash = QStringLiteral("—");
    const QString singleWater = amounts.single(a * 0.66);
    const QString singleWaterLow = amounts.dbl(a * 0.32);
    const QString singleWaterHigh = amounts.dbl(a * 1.38);
    const QString singleCopper = amounts.single(a * 0.04);
    const QString singleCopperLow = amounts.dbl(a * 0.02);
    const QString singleCopperHigh = amounts.dbl(a * 0.07);
    const QString doubleWater = amounts.single(a * 1.32);
    const QString doubleWaterLow = amounts.dbl(a * 0.63);
    const QString doubleWaterHigh = amounts.dbl(a * 2.76);
    const QString doubleCopper = amounts.single(a * 0.07);
    const QString doubleCopperLow = amounts.dbl(a * 0.04);
    const QString doubleCopperHigh = amounts.dbl(a * 0.14);
    return {
        QStringLiteral("线路板生产分为单面板生产和双面板的生产，生产不同类别的线路板，排放污染物的量不同。"),
        QStringLiteral("    当生产单面板时，排放的污染物的量为："),
        QStringLiteral("    平均排放废水：") + singleWater + QStringLiteral("吨；"),
        QStringLiteral("    排放废水量在") + singleWaterLow + dash + singleWaterHigh + QStringLiteral("之间波动；"),
        QStringLiteral("    平均铜的排放量为：") + singleCopper + QStringLiteral("千克；"),
        QStringLiteral("    铜的排放量在：") + singleCopperLow + dash + singleCopperHigh + QStringLiteral("之间波动。"),
        QStringLiteral("    当生产双面板时,排放的污染物的量为："),
        QStringLiteral("    平均排放废水：") + doubleWater + QStringLiteral("吨；"),
        QStringLiteral("    排放废水量在：") + doubleWaterLow + dash + doubleWaterHigh + QStringLiteral("之间波动；"),
        QStringLiteral("    平均铜的排放量为：") + doubleCopper + QStringLiteral("千克；"),
        QStringLiteral("    铜的排放量在") + doubleCopperLow + dash + doubleCopperHigh + QStringLiteral("之间波动。"),
    };
}

} // namespace

std::optional<QStringList> metalFinishingReport(const QString &trade, const QString &quantity)
{
    QStringList (*report)(double, Amounts &) = nullptr;
    if (trade == kCyanidePlating)
        report = cyanidePlatingReport;
    else if (trade == kChromePlating)
        report = chromePlatingReport;
    else if (trade == kCircuitBoards)
        report = circuitBoardReport;
    if (!report)
        return std::nullopt;
    const std::optional<double> a = ToDouble(quantity);
    if (!a)
        return std::nullopt;
    Amounts amounts;
    QStringList lines = report(*a, amounts);
    if (!amounts.ok)
        return std::nullopt;
    return lines;
}

} // namespace corvalen
