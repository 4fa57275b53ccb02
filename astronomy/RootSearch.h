#pragma once

#include <cmath>

// The instant in [a, b] at which f changes sign, to within tolerance, by
// regula falsi with the Illinois step: as safe as halving the interval, but
// on the smooth curves of the sky it needs a handful of evaluations instead
// of twenty. f(a) and f(b) must differ in sign.
template <typename F> double findRoot(F f, double a, double b, double tolerance)
{
    double fa = f(a);
    double fb = f(b);
    int side = 0;
    for (int i = 0; i < 100 && std::abs(b - a) > tolerance; ++i) {
        const double c = (a * fb - b * fa) / (fb - fa);
        const double fc = f(c);
        if ((fc > 0) == (fb > 0)) {
            b = c;
            fb = fc;
            if (side == -1)
                fa /= 2;
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1)
                fb /= 2;
            side = 1;
        }
        if (fc == 0)
            return c;
    }
    return (a + b) / 2;
}
