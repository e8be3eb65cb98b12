#include "state/convert.h"

#include <cmath>
#include <cstdio>

double Int(double v) {
    return std::floor(v);
}

// nearbyint rounds half to even in the default rounding mode.
Integer CInt(double v) {
    return static_cast<Integer>(std::nearbyint(v));
}
Long CLng(double v) {
    return static_cast<Long>(std::nearbyint(v));
}

std::string numtext(double n) {
    if (n == 0) n = 0; // no "-0"
    char buf[32];
    // Whole numbers print without a point; other values with as few digits as
    // a Single needs.
    if (n == std::floor(n) && std::fabs(n) < 1e15)
        std::snprintf(buf, sizeof buf, "%.0f", n);
    else
        std::snprintf(buf, sizeof buf, "%.7g", n);
    return buf;
}

std::string Str(double n) {
    return n < 0 ? numtext(n) : " " + numtext(n);
}

std::string printtext(double n) {
    return Str(n) + " ";
}
