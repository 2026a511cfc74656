#pragma once

// A chart's value axis fitted to its data: round tick values (1, 2, 2.5 or 5 times a power of
// ten apart) from a tick at or below the lowest value to one at or above the highest, with a
// little room beyond both so that points there are drawn whole. Never below 0 for data that is
// not.
struct ValueScale
{
    double min = 0.0;
    double max = 1.0;
    double step = 1.0;
    int tickCount = 2;

    static ValueScale Fit(double low, double high, int maxTicks = 6);

    friend bool operator==(const ValueScale &, const ValueScale &) = default;
};
