#pragma once

// Highway traffic noise by the 1996 specification model of highway
// projects (two-way four-lane roads): the hourly equivalent level by day and
// by night at eleven fixed distances from the road edge, from the day and
// night volumes of large, medium and small vehicles, with the vehicles' mean
// speeds estimated from the day volumes.

#include "noise/highway_2006.h"

#include <QString>
#include <array>
#include <cstdint>

namespace corvalen {

enum class Ground { Hard, Ordinary, Lawn };

struct Highway1996Inputs
{
    QString sectionName;         // 预测路段名称, title of the report
    QString year;                // 预测年份
    QString gradient;            // β as a fraction (0.04 is 4 %)
    QString laneWidth;           // W, m
    QString dayLarge;            // volumes, vehicles/h
    QString nightLarge;
    QString dayMedium;
    QString nightMedium;
    QString daySmall;
    QString nightSmall;
    QString woodsAttenuation;    // ΔL2 of woods, dB
    QString buildingAttenuation; // ΔL2 of buildings, dB
    QString angle;               // θ, degrees
    Pavement pavement = Pavement::Asphalt;
};

// The values the window holds while it exists; 0 until the load step.
struct Highway1996
{
    double groundConstant = 0;    // K1
    double distanceConstant = 0;  // K2 of the last distance computed
    std::array<std::int16_t, kHighwayDistanceCount> distances{};  // m from the road's outer edge
    std::array<float, kHighwayDistanceCount> dayLevels{};
    std::array<float, kHighwayDistanceCount> nightLevels{};

    // The window's load step: ordinary ground, the eleven distances.
    void load();
    void chooseGround(Ground ground);
    // One press of 刷新结果: the four-line report. An input that makes a
    // step fail (see the window) gives an empty report and leaves the kept
    // levels as they were: no half-formed number reaches the user.
    QString press(const Highway1996Inputs &in);
};

} // namespace corvalen
