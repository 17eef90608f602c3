#pragma once

// Pollutants of coal-fired tea-water boilers and large kitchen stoves: the
// coal burnt (t) times the emission factor (kg per t) of each pollutant, by
// the kind of coal, after the handbook of industrial pollutant production and
// emission coefficients (table 10.6-1).
//
// Each pollutant is a single-precision window-level value, 0 until a press
// stores. A press with a coal of the furnace's list converts the amount by
// ToDouble once per pollutant; an amount that is no number stores nothing and
// every value keeps what it held. A press without such a coal sets all five
// to 0. Products beyond the single range are stored as infinity.

#include <QString>
#include <QStringView>
#include <vector>

namespace corvalen {

// Emission factors of one kind of coal, kg per t of coal burnt.
struct CoalEmissionFactors
{
    QStringView coal;  // the item of the coal list
    double co;
    double hc;
    double so2;
    double nox;
    double dust;
};

// The coal lists with their factors, in list order. The two furnaces' rows
// for briquettes differ, and each furnace uses its own.
const std::vector<CoalEmissionFactors> &teaBoilerCoals();
const std::vector<CoalEmissionFactors> &kitchenStoveCoals();

struct SmallFurnaceInputs
{
    QString coal;        // the coal list's text, compared whole and exactly
    QString coalBurnt;   // t
};

struct SmallFurnaceCalculator
{
    explicit SmallFurnaceCalculator(const std::vector<CoalEmissionFactors> &coals) : m_coals(&coals) {}

    // kg of each pollutant.
    float co = 0;
    float hc = 0;
    float so2 = 0;
    float nox = 0;
    float dust = 0;

    void press(const SmallFurnaceInputs &inputs);

private:
    const std::vector<CoalEmissionFactors> *m_coals;
};

} // namespace corvalen
