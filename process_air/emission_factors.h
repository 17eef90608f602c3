#pragma once

// Emissions by the emission-factor method of the environmental protection
// calculation handbook: an amount of material (t) times a factor that the
// calculator holds for the chosen plant, refuse or pollutant.
//
// Every calculator keeps one single-precision window-level value, the
// emission E (0 until the first press stores). A press compares the list
// texts whole and exactly with the item texts, converts the boxes it needs
// by the double conversion, computes in double from left to right and rounds
// once to single into E. A box that is no number leaves E as it was; a
// product beyond the single range is stored as infinity. The window always
// shows E after the press.

#include <QString>
#include <QStringList>

namespace corvalen {

// A list item and the factor it chooses (kg/t unless said otherwise).
struct FactorItem
{
    QString text;
    double factor = 0;
};

// Refuse incineration. Mode "焚烧炉焚烧": the dust factor of the furnace,
// reduced by the treatment efficiency η (%). Mode "露天焚烧": the factor of
// the refuse kind and pollutant, without treatment.
struct IncineratorInputs
{
    QString mode;        // Combo4
    QString furnace;     // Combo1
    QString refuseKind;  // Combo2
    QString pollutant;   // Combo3
    QString efficiency;  // Text1, η in %
    QString amount;      // Text2, refuse burnt G in t
};

struct Incinerator
{
    float emission = 0;  // kg

    // Returns true when the press also prints the line "q=" and E's text on
    // the window (after the furnaces 商业系统单室炉 and 家用焚烧炉 only).
    bool press(const IncineratorInputs &in);
};

QStringList incineratorModes();
const QList<FactorItem> &incineratorFurnaces();
QStringList refuseKinds();
QStringList openBurningPollutants();
// The furnace list and the efficiency box are shown for every mode text but
// 露天焚烧.
bool incineratorShowsFurnace(const QString &mode);

// Feed and grain mills: factor of the plant, no-match gives 0.
struct FeedMillInputs
{
    QString plant;   // Combo1
    QString amount;  // Text2, amount processed G in t
};
struct FeedMill
{
    float emission = 0;  // kg
    void press(const FeedMillInputs &in);
};
const QList<FactorItem> &feedMillPlants();

// The three single-factor calculators: E = G × factor.
struct AmountInput
{
    QString amount;  // Text2, t
};
// Cotton gins: 2.34 % of the cotton ginned; E in t, the unit of G.
struct CottonGin
{
    float emission = 0;
    void press(const AmountInput &in);
};
// Glass raw material plant: 7.48 kg/t of raw material charged.
struct GlassRawMaterial
{
    float emission = 0;
    void press(const AmountInput &in);
};
// Glass making: 0.91 kg/t of glass.
struct GlassMaking
{
    float emission = 0;
    void press(const AmountInput &in);
};

// Lime kiln dust, in t: rotary kilns k % of the output (k typed), shaft
// kilns a fixed 1 %; no-match gives 0.
struct LimeKilnDustInputs
{
    QString kiln;         // Combo1
    QString coefficient;  // Text1, k in % of the output
    QString amount;       // Text2, lime output G in t
};
struct LimeKilnDust
{
    float emission = 0;
    void press(const LimeKilnDustInputs &in);
};
QStringList limeKilnKinds();

} // namespace corvalen
