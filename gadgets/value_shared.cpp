#include "gadgets/value_shared.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>

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

float ReadDecimal(const std::string& text) {
    // The C reader would take "0x8" as hexadecimal; a person means 0 followed by letters.
    const size_t number = text.find_first_not_of(" \t+-");
    if (number != std::string::npos && text.compare(number, 1, "0") == 0 && number + 1 < text.size() &&
        (text[number + 1] == 'x' || text[number + 1] == 'X')) {
        return 0.f;
    }
    return std::strtof(text.c_str(), nullptr);
}

}  // namespace kvx
