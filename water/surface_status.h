#pragma once

// Status assessment of surface water: value lists typed as one line
// ("1.2|1.5|2.5|"), their Nemerow mean and single-factor indexes, and the
// self-purification utilisation index P and pollution ranking index ISE.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace corvalen {

// The items of a value list: the pieces of text before each "|", from the
// start; whatever follows the last "|" is no item. Items keep their blanks
// and may be empty. A text without "|" has none.
QStringList valueListItems(QStringView text);

// The number an item stands for: its leading number, 0 where it has none.
double itemValue(QStringView item);

// The five-line Nemerow report of a value list: count, echo, maximum,
// arithmetic mean, Nemerow mean √((M² + A²) / 2), joined by line feeds.
QString nemerowReport(const QString &list);

struct SingleFactorInput
{
    QString standard;  // quality standard Cs
    QString list;      // the measured values
};

// An index rounded to two decimals, written short: a blank before a value
// that is not negative, no 0 before the point, no trailing zeros (" .4",
// " 1", "-.5").
QString shortIndexText(double rounded);

// The three-line single-factor report: echo, "计算结果如下：", the indexes
// ui / Cs; a division that fails is written " 0".
QString singleFactorReport(const SingleFactorInput &input);

struct PurificationInput
{
    QString background;   // Ch
    QString mixed;        // C, after river water and sewage have mixed
    QString utilisation;  // λ, allowed utilisation rate
    QString standard;     // Cs
};

// "此物质的自净利用指数:" and P = (C − Ch) / (λ · (Cs − Ch)) through "0.00".
QString purificationText(const PurificationInput &input);

struct RankingInput
{
    QString sewageFlow;           // Qp, m³/h
    QString riverFlow;            // Qh, m³/h
    QString sewageConcentration;  // Cp, mg/L
    QString background;           // Ch, mg/L
    QString standard;             // Cs, mg/L
};

// "该物质污染排序指数ISE=" and ISE = Cp · Qp / ((Cs − Ch) · Qh) through "0.00".
QString rankingText(const RankingInput &input);

} // namespace corvalen
