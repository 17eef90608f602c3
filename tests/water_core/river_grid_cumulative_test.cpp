// Cumulative-flow river models 4 and 8 without their windows: the point's
// worked examples and failure rules, the grid file's bytes, the carry-over
// of failed steps from grid point to grid point.
#include "common/numbers/number_text.h"
#include "water/river_grid_cumulative.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// The windows' design-time boxes.
CumulativeInputs design(bool decays)
{
    CumulativeInputs in;
    in.qh = 10, in.h = 0.5f, in.ch = 0.1f, in.qp = 1, in.my = 5, in.cp = 100, in.a = 0, in.u = 0.2f;
    in.decays = decays;
    in.k1 = 1;
    return in;
}

// The design with one box changed.
CumulativeInputs with(bool decays, float CumulativeInputs::*field, float value)
{
    CumulativeInputs in = design(decays);
    in.*field = value;
    return in;
}

std::string pointText(const CumulativeInputs &in, std::optional<double> x, std::optional<double> y)
{
    return ApplyDisplayPattern(cumulativePoint(in, x, y), kRiverPointPattern).toStdString();
}

// The windows' design-time boxes as typed, one of them changed.
CumulativeBoxes designBoxes(bool decays, QString CumulativeBoxes::*field = nullptr, const char *text = "")
{
    CumulativeBoxes boxes{.qh = "10", .h = "0.5", .ch = "0.1", .qp = "1", .my = "5.0", .cp = "100", .a = "0",
                          .u = "0.2", .k1 = "1", .decays = decays};
    if (field)
        boxes.*field = QString::fromUtf8(text);
    return boxes;
}

std::string gridText(const CumulativeBoxes &boxes, const GridBoxes &grid)
{
    const GridResult result = cumulativeGrid(boxes, grid);
    EXPECT_TRUE(result.done()) << result.message.toStdString();
    return result.text.toStdString();
}

TEST(RiverCumulative, PointWorkedExamplesAndFailures)
{
    const std::optional<double> none;
    const struct {
        const char *name;
        CumulativeInputs in;
        std::optional<double> x, y;
        const char *shown;
    } cases[] = {
        {"model 4 design", design(false), 10, 10, "32.3868"},
        {"model 8 design", design(true), 10, 10, "32.3681"},
        {"model 4 at the outfall", design(false), 0, 10, ".1"},
        {"model 8 at the outfall", design(true), 0, 10, ".1"},
        // X no number: the coefficient fails, Ch is left.
        {"model 4 X no number", design(false), none, 10, ".1"},
        {"model 4 still water", with(false, &CumulativeInputs::u, 0), 10, 10, ".1"},
        {"model 8 still water", with(true, &CumulativeInputs::u, 0), 10, 10, "."},
        {"model 4 no discharge", with(false, &CumulativeInputs::qp, 0), 10, 10, ".1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pointText(c.in, c.x, c.y), c.shown) << c.name;
}

// From the boxes as typed to the text of Text11: the parameters as singles
// (0 when no number), X and Y as doubles (a failed step when no number).
TEST(RiverCumulative, PointTextsFromTheBoxes)
{
    const struct { const char *name; CumulativeBoxes boxes; const char *x, *y, *shown; } cases[] = {
        {"model 4 design", designBoxes(false), "10", "10", "32.3868"},
        {"model 8 design", designBoxes(true), "10", "10", "32.3681"},
        {"model 4 off the bank", designBoxes(false, &CumulativeBoxes::a, "2"), "10", "10", "30.9091"},
        {"model 8 off the bank", designBoxes(true, &CumulativeBoxes::a, "2"), "10", "10", "30.8913"},
        {"model 8 K1 empty: no decay", designBoxes(true, &CumulativeBoxes::k1, ""), "10", "10", "32.3868"},
        {"model 8 X empty: the decay fails too", designBoxes(true), "", "10", "."},
        {"model 4 Y a word", designBoxes(false), "10", "abc", "35.7825"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cumulativePointText(c.boxes, QString::fromUtf8(c.x), QString::fromUtf8(c.y)).toStdString(),
                  c.shown)
            << c.name;
}

TEST(RiverCumulative, SmallGridFiles)
{
    CumulativeBoxes offBank = designBoxes(true, &CumulativeBoxes::a, "2");
    offBank.k1 = "0.5";
    const struct { const char *name; CumulativeBoxes in; GridBoxes bounds; const char *text; } cases[] = {
        // The first row of the design-time grids.
        {"model 4 design", designBoxes(false), {"20", "100", "100", "10"},
         "X=\\c/Y=;y=0;y=10;y=20;y=30;y=40;y=50;y=60;y=70;y=80;y=90;y=100;\r"
         "x=10;35.7825;32.3868;24.0187;14.6074;7.3042;3.029;1.075;.3657;.1593;.111;.1032;\r"},
        {"model 8 design", designBoxes(true), {"20", "100", "100", "10"},
         "X=\\c/Y=;y=0;y=10;y=20;y=30;y=40;y=50;y=60;y=70;y=80;y=90;y=100;\r"
         "x=10;35.7618;32.3681;24.0048;14.599;7.2999;3.0272;1.0744;.3655;.1592;.111;.1032;\r"},
        {"model 4", designBoxes(false), {"60.5", "50.5", "5", "2.5"},
         "X=\\c/Y=;y=0;y=2.5;y=5;\r"
         "x=10;35.7825;35.5602;34.9015;\r"
         "x=60.5;14.6265;14.615;14.5742;\r"},
        {"model 8 off the bank", offBank, {"10", "10", "8", "4"},
         "X=\\c/Y=;y=0;y=4;y=8;\r"
         "x=10;35.489;34.3833;32.2743;\r"},
        {"no columns", designBoxes(false), {"10", "10", "-1", "10"}, "X=\\c/Y=;\rx=10;\r"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(gridText(c.in, c.bounds), c.text) << c.name;
}

TEST(RiverCumulative, GridFailuresCarryOver)
{
    const struct { const char *name; CumulativeBoxes in; const char *row; } everywhere[] = {
        {"model 4 no depth", designBoxes(false, &CumulativeBoxes::h, "0"), "x=10;.1;.1;"},
        {"model 8 no depth: the decayed background", designBoxes(true, &CumulativeBoxes::h, ""), "x=10;.0999;.0999;"},
        {"model 8 still water", designBoxes(true, &CumulativeBoxes::u, "0"), "x=10;.;.;"},
    };
    for (const auto &c : everywhere) {
        const QStringList lines = QString::fromStdString(gridText(c.in, {"10", "1", "10", "10"})).split(u'\r');
        EXPECT_EQ(lines[1].toStdString(), c.row) << c.name;
    }

    // Stepping down (towards x = 0, where the formulas have no value) is
    // refused whole: no cell is computed.
    for (bool decays : {false, true}) {
        for (const GridBoxes &bounds : {GridBoxes{"-5", "-5", "20", "10"}, GridBoxes{"100", "10", "-20", "-10"}}) {
            const GridResult grid = cumulativeGrid(designBoxes(decays), bounds);
            EXPECT_EQ(grid.axes.outcome, GridOutcome::BadBounds) << decays;
            EXPECT_TRUE(grid.text.isEmpty()) << decays;
        }
    }
}

} // namespace
