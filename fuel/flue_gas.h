#pragma once

// Flue gas of burning one kg of fuel, after the environmental protection
// calculation handbook: first the theoretical air V0 the fuel needs, then the
// flue-gas volume Vy, from the fuel type, its heat value Q (kJ), the furnace's
// excess-air coefficient α0 and the air-leakage coefficient Δα of the flue.
//
// The calculator keeps five single-precision window-level values, 0 until a
// step first stores. A press converts each input box by ToSingle; a box that
// is no number (or beyond the single range) stores nothing and its value
// keeps what it held. Each formula runs in double precision in the order
// written and is rounded once to single; an outcome beyond the single range
// is stored as infinity.

#include <QString>
#include <QStringView>
#include <array>

namespace corvalen {

enum class FlueGasFuel { Solid, Liquid, Gaseous, NaturalGas };

struct FlueGasFuelItem
{
    QStringView text;  // the item of the fuel list
    FlueGasFuel fuel;
};

// The fuel list, in list order.
inline constexpr std::array<FlueGasFuelItem, 4> kFlueGasFuelItems = {{
    {u"固体燃料", FlueGasFuel::Solid},
    {u"液体燃料", FlueGasFuel::Liquid},
    {u"气体燃料", FlueGasFuel::Gaseous},
    {u"天燃气", FlueGasFuel::NaturalGas},
}};

// Shown when the list's text is no item.
inline constexpr QStringView kChooseFuelMessage = u"请选择燃料类型!";

// The texts of one press: the fuel list's text (compared whole and exactly
// with the items) and the three input boxes.
struct FlueGasInputs
{
    QString fuel;
    QString heatValue;
    QString excessAir;
    QString airLeakage;
};

// What a press asks of the window besides its two results.
struct FlueGasPress
{
    bool fuelMatched = false;    // false: show kChooseFuelMessage
    bool leakageZeroed = false;  // natural gas: the leakage box becomes "0"
};

struct FlueGasCalculator
{
    float heatValue = 0;       // Q
    float excessAir = 0;       // α0
    float airLeakage = 0;      // Δα
    float theoreticalAir = 0;  // V0, Nm³ per kg
    float flueGasPerKg = 0;    // Vy, Nm³ per kg

    FlueGasPress press(const FlueGasInputs &inputs);
    // Vy × 1000, rounded to single: the flue gas of one tonne.
    float flueGasPerTonne() const;
};

} // namespace corvalen
