#include "core/rounding.h"

#include <cmath>

namespace velta::core {

double RoundHalfUp(double x, int e) {
    if (!std::isfinite(x))
        return x;
    const double s = std::pow(10.0, e);
    const double q = x / s;
    if (!std::isfinite(q))
        return x;
    const double c = std::trunc(q);
    const double g = (q - c) * 10.0;
    const double h = std::trunc(g);
    if (h >= 5.0 || (h == 4.0 && std::fabs(1.0 - (g - h)) < 0.00001))
        return (c + 1.0) * s;
    return c * s;
}

double RoundHalfEven(double x) {
    if (!std::isfinite(x))
        return x;
    const double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return r;
}

double RoundHalfAwayFromZero(double x) {
    return std::round(x);
}

} // namespace velta::core
