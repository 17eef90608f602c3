#pragma once

namespace corvalen {

// The model windows' progress bar: a single-precision minimum, maximum and
// value, and a visibility. A range whose minimum is not below its maximum, a
// value outside the range, or a number that does not fit a single fails and
// changes nothing (the models skip such a step without a word); a new range
// pulls the value inside it.
// The bar at design: 0 to 100, at 0, hidden.
struct ProgressState
{
    float minimum = 0;
    float maximum = 100;
    float value = 0;
    bool visible = false;

    bool setMinimum(double v);
    bool setMaximum(double v);
    bool setValue(double v);
};

} // namespace corvalen
