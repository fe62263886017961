#include "design/export_call.hpp"

#include "design/value_encoding.hpp"

namespace kvx::studio {

Arguments& Arguments::Add(const std::string& text) {
    if (!first_) text_ += ",";
    text_ += text;
    first_ = false;
    return *this;
}

Arguments& Arguments::Flag(uint8_t value) { return Add(BooleanText(value == 1)); }

Arguments& Arguments::Number(float value, uint8_t integerOnly) {
    return integerOnly == 1 ? Add(TruncateToInteger(value)) : Add(RealText(value));
}

std::string ScopeWord(uint8_t global) { return global == 1 ? "Global " : "Local "; }

}  // namespace kvx::studio
