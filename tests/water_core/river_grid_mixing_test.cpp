// Two-dimensional mixing river models 2 and 6 without their windows: the
// point's worked examples and failure rules, the grid file's bytes, the
// carry-over of failed steps from cell to cell.
#include "common/numbers/number_text.h"
#include "water/river_grid_mixing.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// The windows' design-time boxes.
MixingInputs design(bool decays)
{
    MixingInputs in;
    in.ch = 0.1f, in.cp = 100, in.h = 0.5f, in.my = 5, in.u = 0.2f, in.qp = 1, in.b = 100, in.a = 0;
    in.decays = decays;
    in.k1 = 1;
    return in;
}

// The design with one box changed.
template <typename T>
MixingInputs with(bool decays, T MixingInputs::*field, T value)
{
    MixingInputs in = design(decays);
    in.*field = value;
    return in;
}

std::string pointText(const MixingInputs &in, float x, float y)
{
    return ApplyDisplayPattern(mixingPoint(in, x, y), kRiverPointPattern).toStdString();
}

// The windows' design-time boxes as typed.
MixingBoxes designBoxes(bool decays)
{
    return {.ch = "0.1", .cp = "100", .h = "0.5", .my = "5", .u = "0.2", .qp = "1", .b = "100", .a = "0",
            .k1 = "1", .decays = decays};
}

std::string gridText(const MixingBoxes &boxes, const GridBoxes &grid)
{
    const GridResult result = mixingGrid(boxes, grid);
    EXPECT_TRUE(result.done()) << result.message.toStdString();
    return result.text.toStdString();
}

TEST(RiverMixing, PointWorkedExamplesAndFailures)
{
    const struct { const char *name; MixingInputs in; float x, y; const char *shown; } cases[] = {
        {"model 2 design", design(false), 10, 10, "32.3868"},
        {"model 6 design", design(true), 10, 10, "32.3681"},
        // Only exactly 0 is the bank: a negative distance takes the other form.
        {"model 2 negative a", with(false, &MixingInputs::a, -20.0f), 10, 10, "23.4971"},
        {"model 2 at the outfall", design(false), 0, 10, ".1"},
        {"model 6 at the outfall", design(true), 0, 10, ".1"},
        {"model 2 still water", with(false, &MixingInputs::u, 0.0f), 10, 10, ".1"},
        {"model 2 no root of a negative", with(false, &MixingInputs::my, -5.0f), 10, 10, ".1"},
        {"model 2 everything 0", MixingInputs{}, 10, 10, "."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pointText(c.in, c.x, c.y), c.shown) << c.name;
}

// From the boxes as typed to the text of Text11: the parameters and X, Y
// as singles, K1 as a double, a text that is no number as 0 (K1: no decay).
TEST(RiverMixing, PointTextsFromTheBoxes)
{
    const struct { const char *name; MixingBoxes boxes; const char *x, *y, *shown; } cases[] = {
        {"model 2 design", designBoxes(false), "10", "10", "32.3868"},
        {"model 6 design", designBoxes(true), "10", "10", "32.3681"},
        {"model 2 X empty", designBoxes(false), "", "10", ".1"},
        {"model 2 Y a letter", designBoxes(false), "10", "y", "35.7825"},
        {"model 6 K1 empty", [] { MixingBoxes b = designBoxes(true); b.k1 = ""; return b; }(), "10", "10", "."},
        {"model 2 K1 unread", [] { MixingBoxes b = designBoxes(false); b.k1 = ""; return b; }(), "10", "10", "32.3868"},
        {"model 2 off the bank", [] { MixingBoxes b = designBoxes(false); b.a = "20"; return b; }(), "10", "10", "17.7079"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(mixingPointText(c.boxes, QString::fromUtf8(c.x), QString::fromUtf8(c.y)).toStdString(), c.shown)
            << c.name;
}

// Small grids whole, byte for byte: fractional steps in the axis texts,
// rows from 10 whatever the step, four decimals in every cell.
TEST(RiverMixing, SmallGridFiles)
{
    MixingBoxes offBank = designBoxes(true);
    offBank.a = "20";
    const struct { const char *name; MixingBoxes in; GridBoxes bounds; const char *text; } cases[] = {
        // The first row of the design-time grids.
        {"model 2 design", designBoxes(false), {"20", "100", "100", "10"},
         "X=\\c/Y=;y=0;y=10;y=20;y=30;y=40;y=50;y=60;y=70;y=80;y=90;y=100;\r"
         "x=10;35.7825;32.3868;24.0187;14.6074;7.3042;3.0290;1.0750;0.3657;0.1593;0.1110;0.1032;\r"},
        {"model 6 design", designBoxes(true), {"20", "100", "100", "10"},
         "X=\\c/Y=;y=0;y=10;y=20;y=30;y=40;y=50;y=60;y=70;y=80;y=90;y=100;\r"
         "x=10;35.7618;32.3681;24.0048;14.5990;7.2999;3.0272;1.0744;0.3655;0.1592;0.1110;0.1032;\r"},
        {"model 2", designBoxes(false), {"260", "250", "15", "7.5"},
         "X=\\c/Y=;y=0;y=7.5;y=15;\r"
         "x=10;35.7825;33.8307;28.5930;\r"
         "x=260;8.6004;8.7654;8.9138;\r"},
        {"model 6 off the bank", offBank, {"10", "1", "40", "20"},
         "X=\\c/Y=;y=0;y=20;y=40;\r"
         "x=10;21.5309;12.5396;3.7296;\r"},
        {"no rows below 10", designBoxes(false), {"9.5", "1", "10", "10"}, "X=\\c/Y=;y=0;y=10;\r"},
        {"no columns", designBoxes(false), {"110", "100", "-1", "10"}, "X=\\c/Y=;\rx=10;\rx=110;\r"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(gridText(c.in, c.bounds), c.text) << c.name;
}

// A step that fails at a cell keeps the previous cell's value; one that
// fails everywhere leaves what the point shows.
TEST(RiverMixing, GridFailuresCarryOver)
{
    MixingBoxes noK1 = designBoxes(true);
    noK1.k1 = "";
    MixingBoxes still = designBoxes(true);
    still.u = "0";
    MixingBoxes dry = designBoxes(false);
    dry.h = "0";
    const struct { const char *name; MixingBoxes in; const char *row; } everywhere[] = {
        {"model 6 without K1", noK1, "x=10;0.0000;0.0000;"},
        {"model 6 still water", still, "x=10;0.0000;0.0000;"},
        {"model 2 no depth", dry, "x=10;0.1000;0.1000;"},
    };
    for (const auto &c : everywhere) {
        const QStringList lines = QString::fromStdString(gridText(c.in, {"10", "1", "10", "10"})).split(u'\r');
        EXPECT_EQ(lines[1].toStdString(), c.row) << c.name;
    }

    // Stepping down (towards x = 0, where the formulas have no value) is
    // refused whole: no cell is computed.
    for (bool decays : {false, true}) {
        for (const GridBoxes &bounds : {GridBoxes{"-5", "-5", "20", "10"}, GridBoxes{"100", "10", "-20", "-10"}}) {
            const GridResult grid = mixingGrid(designBoxes(decays), bounds);
            EXPECT_EQ(grid.axes.outcome, GridOutcome::BadBounds) << decays;
            EXPECT_TRUE(grid.text.isEmpty()) << decays;
        }
    }

    // A distance across beyond the single range is no single: the cell keeps
    // the previous cell's coordinate, so both show the same value.
    // Row 10: "x=10;" then the cells at y = 0, 3e38 and 6e38.
    const QStringList far = QString::fromStdString(gridText(designBoxes(false), {"10", "10", "6e38", "3e38"}))
                                .split(u'\r')[1]
                                .split(u';');
    ASSERT_GE(far.size(), 4);
    EXPECT_EQ(far[3], far[2]);
    MixingTerms atEdge;
    evaluateMixing(design(false), 10, 3e38f, atEdge);
    EXPECT_EQ(far[2], ApplyDisplayPattern(atEdge.c, kMixingGridPattern));
}

} // namespace
