#include "stats/ValueScale.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest round step at least raw.
double RoundStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * power >= raw * (1.0 - 1e-9))
            return factor * power;
    }
    return 10.0 * power;
}

} // namespace

ValueScale ValueScale::Fit(double low, double high, int maxTicks)
{
    if (high < low)
        std::swap(low, high);
    maxTicks = std::max(maxTicks, 3);
    // Room for a point's marker at both ends: a share of the values' spread, or of the value
    // itself when all values are equal.
    const double spread = high - low;
    const double room = spread > 0.0 ? spread * 0.04 : std::max(std::abs(high) * 0.1, 1.0);
    const double bottom = low >= 0.0 ? std::max(0.0, low - room) : low - room;
    const double top = high + room;

    ValueScale scale;
    scale.step = RoundStep((top - bottom) / (maxTicks - 1));
    for (;;) {
        scale.min = std::floor(bottom / scale.step + 1e-9) * scale.step;
        scale.max = std::ceil(top / scale.step - 1e-9) * scale.step;
        scale.tickCount = int(std::lround((scale.max - scale.min) / scale.step)) + 1;
        if (scale.tickCount <= maxTicks)
            break;
        scale.step = RoundStep(scale.step * 1.01);
    }
    return scale;
}
