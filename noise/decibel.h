#pragma once

// Everyday decibel arithmetic: the energy sum of up to five point sources,
// the level of a point source at a distance, and the difference of two
// levels. Levels in dB; lg x is formed as ln x / ln 10.

#include <QString>
#include <array>

namespace corvalen {

struct SuperpositionInputs
{
    QString first;
    QString second;
    QString third;
    QString fourth;
    QString fifth;
};

// Energy sum of five source levels; an input of exactly 0 counts as no
// source. The window keeps every single-precision value between presses
// (all 0 at first): a box that holds no number counts with the level it last
// gave, and a press whose sum has no logarithm (all five absent) shows the
// kept result again.
struct Superposition
{
    std::array<float, 5> levels{};
    float sum = 0;      // Σ 10^(Li/10) less the absent sources
    float absent = 0;   // sources of exactly 0 dB in this press
    float level = 0;    // 10·lg sum, rounded to two decimals

    // One press of 计算; gives the result box's text.
    QString press(const SuperpositionInputs &in);
};

struct AttenuationInputs
{
    QString sourceLevel;  // L0 at the source, dB
    QString distance;     // r, m
};

// Point-source divergence, L = L0 − 20·lg r. Kept between events (all 0 at
// first): the last good distance, attenuation and source level, so a box
// without a number, or a distance of 0 or less, leaves its last good value in
// use.
struct Attenuation
{
    float distance = 0;
    float attenuation = 0;  // −20·lg r
    float sourceLevel = 0;
    float level = 0;

    // One change of either input or a click into the result; gives the
    // result box's text (unrounded, default number text).
    QString update(const AttenuationInputs &in);
};

struct SubtractionInputs
{
    QString minuend;     // L1, dB
    QString subtrahend;  // L2, dB
};

// 10·lg(10^(L1/10) − 10^(L2/10)) through "#####.##", from the texts as they
// stand; keeps nothing. Where there is no difference (a text without a
// number, a level whose power lies beyond the double range, L1 not above L2)
// the pattern's zero form, the bare point.
QString decibelDifference(const SubtractionInputs &in);

} // namespace corvalen
