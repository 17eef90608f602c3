// The tea-boiler and kitchen-stove calculators: each case starts from a fresh
// calculator and runs its presses in order; a row gives the texts of the five
// values after the press.
#include "common/number_text.h"
#include "fuel/small_furnace.h"

#include <gtest/gtest.h>
#include <vector>

using namespace corvalen;

namespace {

const QString kRaw = QStringLiteral("原　　煤");
const QString kBriquette = QStringLiteral("型　　煤");

struct Shown
{
    QString dust, co, so2, hc, nox;
};

struct Press
{
    SmallFurnaceInputs inputs;
    Shown shown;
};

struct Case
{
    const char *name;
    const std::vector<CoalEmissionFactors> &coals;
    std::vector<Press> presses;
};

const Shown kZeros = {"0", "0", "0", "0", "0"};
const Shown kTeaRaw100 = {"205", "1011", "1049", "60", "399"};
const QString kInf = kInfiniteText.toString();

TEST(SmallFurnace, PressesMultiplyTheCoalByItsFurnacesFactors)
{
    const Case cases[] = {
        {"tea boiler, raw coal", teaBoilerCoals(), {{{kRaw, "100"}, kTeaRaw100}}},
        {"tea boiler, briquettes", teaBoilerCoals(), {{{kBriquette, "100"}, {"65", "453", "742", "26", "182"}}}},
        {"stove, briquettes: its own factors", kitchenStoveCoals(),
         {{{kBriquette, "100"}, {"70", "1002", "709", "30", "145"}}}},
        {"tea boiler, 2.5 t", teaBoilerCoals(), {{{kRaw, "2.5"}, {"5.125", "25.275", "26.225", "1.5", "9.975"}}}},
        {"negative amount", teaBoilerCoals(), {{{kRaw, "-100"}, {"-205", "-1011", "-1049", "-60", "-399"}}}},

        {"nothing chosen", teaBoilerCoals(), {{{"", "100"}, kZeros}}},
        {"the stove offers no raw coal", kitchenStoveCoals(), {{{kRaw, "100"}, kZeros}}},
        {"briquettes typed with ordinary blanks", teaBoilerCoals(), {{{"型    煤", "100"}, kZeros}}},
        {"no coal after a press zeroes all", teaBoilerCoals(), {{{kRaw, "100"}, kTeaRaw100}, {{"", "100"}, kZeros}}},
        {"amount with a unit keeps the last values", teaBoilerCoals(),
         {{{kRaw, "100"}, kTeaRaw100}, {{kBriquette, "100t"}, kTeaRaw100}}},
        {"empty amount on the first press", teaBoilerCoals(), {{{kRaw, ""}, kZeros}}},
        {"product beyond the single range", teaBoilerCoals(), {{{kRaw, "1e300"}, {kInf, kInf, kInf, kInf, kInf}}}},
    };
    for (const Case &c : cases) {
        SmallFurnaceCalculator calculator(c.coals);
        int step = 0;
        for (const Press &p : c.presses) {
            calculator.press(p.inputs);
            const Shown got = {SingleText(calculator.dust), SingleText(calculator.co), SingleText(calculator.so2),
                               SingleText(calculator.hc), SingleText(calculator.nox)};
            EXPECT_EQ(got.dust, p.shown.dust) << c.name << ", press " << step;
            EXPECT_EQ(got.co, p.shown.co) << c.name << ", press " << step;
            EXPECT_EQ(got.so2, p.shown.so2) << c.name << ", press " << step;
            EXPECT_EQ(got.hc, p.shown.hc) << c.name << ", press " << step;
            EXPECT_EQ(got.nox, p.shown.nox) << c.name << ", press " << step;
            ++step;
        }
    }
}

} // namespace
