#pragma once

#include <span>

// The value at x of the broken line through points sorted by rising x (the
// members `x` and `y` of each point); beyond the ends, the end's value. At a
// point's own x its own y comes back unrounded.
template <typename Point>
double interpolated(std::span<const Point> points, double x, double Point::*xOf, double Point::*yOf)
{
    if (x <= points.front().*xOf)
        return points.front().*yOf;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (x < points[i].*xOf) {
            const Point &a = points[i - 1];
            const Point &b = points[i];
            return a.*yOf + (b.*yOf - a.*yOf) * (x - a.*xOf) / (b.*xOf - a.*xOf);
        }
    }
    return points.back().*yOf;
}
