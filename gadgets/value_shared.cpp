#include "gadgets/value_shared.hpp"

#include <cmath>
#include <cstdio>

namespace kvx {

std::string ValueText(float value, uint8_t integerOnly) {
    char text[64];
    if (integerOnly == 1) {
        // Through a double so any float prints, without a sign on a truncated zero.
        const double whole = std::trunc(double(value));
        std::snprintf(text, sizeof text, "%.0f", whole == 0.0 ? 0.0 : whole);
    } else {
        std::snprintf(text, sizeof text, "%#.9g", double(value));
    }
    return text;
}

}  // namespace kvx
