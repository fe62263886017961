#include "design/value_encoding.hpp"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kvx::studio {
namespace {

constexpr char kItemSeparator = '|', kItemEscape = '\\';


bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

int32_t ReadInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == '%')) base = text[i++] == '$' ? 16 : 2;

    if (base != 10) {
        uint32_t bits = 0;  // unsigned arithmetic wraps by definition
        for (; i < text.size() && DigitValue(text[i]) < base; ++i)
            bits = bits * uint32_t(base) + uint32_t(DigitValue(text[i]));
        return int32_t(negative ? 0u - bits : bits);
    }
    // The magnitude stops growing once it passes every int32; the clamp below saturates it.
    constexpr int64_t kBeyond = int64_t(std::numeric_limits<int32_t>::max()) + 2;
    int64_t magnitude = 0;
    for (; i < text.size() && DigitValue(text[i]) < 10; ++i) {
        if (magnitude < kBeyond) magnitude = magnitude * 10 + DigitValue(text[i]);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(value);
}

bool ReadBoolean(std::string_view text) { return text == "True"; }

const char* BooleanText(bool value) { return value ? "True" : "False"; }

std::string RealText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%#.9g", value);
    return text;
}

std::string ItemsText(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += kItemSeparator;
        for (const char c : items[i]) {
            switch (c) {
                case kItemSeparator: text += "\\|"; break;
                case kItemEscape: text += "\\\\"; break;
                case '\n': text += "\\n"; break;
                case '\r': text += "\\r"; break;
                default: text += c;
            }
        }
    }
    return text;
}

std::vector<std::string> ReadItems(std::string_view text) {
    std::vector<std::string> items;
    if (text.empty()) return items;
    items.emplace_back();
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kItemSeparator) {
            items.emplace_back();
        } else if (c == kItemEscape && i + 1 < text.size()) {
            const char next = text[++i];
            items.back() += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            items.back() += c;
        }
    }
    return items;
}

int64_t TruncateToInteger(double value) {
    if (std::isnan(value)) return 0;
    // 2^63 is exactly representable; anything from there on would not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (value >= kLimit) return std::numeric_limits<int64_t>::max();
    if (value < -kLimit) return std::numeric_limits<int64_t>::min();
    return int64_t(value);
}

std::string UpperCaseLetters(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return text;
}

std::string HeaderLine(const std::string& kindWord) {
    std::string header(1, '[');
    header += UpperCaseLetters(kindWord);
    header += ']';
    return header;
}

}  // namespace kvx::studio
