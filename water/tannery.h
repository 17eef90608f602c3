#pragma once

// Yearly wastewater (t) and water pollutants (kg) that a tannery produces and
// discharges: the raw hide it processes per year (t) times the production and
// discharge coefficients per tonne of hide of its kind, after the handbook of
// industrial pollutant production and emission coefficients (table 4.4-10).
//
// The hide amount M is a single-precision window-level value, 0 until a press
// stores it; a press whose amount is no number keeps the M of the previous
// press. A whole-number coefficient gives a single-precision product, shown
// with the single's default text (7 significant digits); a coefficient with
// decimals gives a double-precision product of the single M, shown with the
// double's (15 digits). A single product beyond the single range is shown
// as infinite.

#include <QString>
#include <QStringView>
#include <vector>

namespace corvalen {

// One coefficient as the handbook writes it: `whole` for a whole number.
struct TanneryCoefficient
{
    double value;
    bool whole;
};

struct TanneryPollutant
{
    TanneryCoefficient produced;
    TanneryCoefficient discharged;
};

// Wastewater in t per t of hide, the pollutants in kg per t.
struct TanneryHide
{
    QStringView hide;  // the item of the hide list, compared exactly
    TanneryPollutant wastewater;
    TanneryPollutant cod;
    TanneryPollutant bod5;
    TanneryPollutant ss;
    TanneryPollutant sulfide;
    TanneryPollutant chromium;
};

// The hide list with its coefficients, in list order.
const std::vector<TanneryHide> &tanneryHides();

struct TanneryInputs
{
    QString hideAmount;  // M, t/a
    QString hide;        // the hide list's text
};

// The texts of one column of results.
struct TanneryAmounts
{
    QString wastewater;
    QString cod;
    QString bod5;
    QString ss;
    QString sulfide;
    QString chromium;
};

struct TanneryResults
{
    TanneryAmounts produced;
    TanneryAmounts discharged;
};

// The text of M × coefficient, single or double by the coefficient.
QString tanneryAmountText(float hideAmount, TanneryCoefficient coefficient);

struct TanneryCalculator
{
    float hideAmount = 0;  // M, t/a

    // Stores M and gives the twelve texts; "0" in every one when the hide
    // text is none of the list's items.
    TanneryResults press(const TanneryInputs &inputs);
};

} // namespace corvalen
