#pragma once
// How values are spelled in design files and exported source, and how a hand-edited file reads back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvx::studio {

// The lenient integer rule: leading white space, an optional sign, then decimal digits up to the
// first other character; "$" reads hexadecimal digits, "%" binary ones; no digits give 0.
// Decimal numbers beyond 32 bits saturate at the int32 limits; "$" and "%" are bit patterns and
// keep their low 32 bits ("$FFFFFFFF" is -1).
int32_t ReadInteger(std::string_view text);

// Only the exact text "True" is true.
bool ReadBoolean(std::string_view text);
const char* BooleanText(bool value);

// "%#.9g": 0.5 gives "0.500000000", 100 gives "100.000000".
std::string RealText(double value);

// A list's items on one line: "|" between them; a backslash comes before a "|" or a backslash
// within an item, and line breaks are written "\n" and "\r". No items give "".
std::string ItemsText(const std::vector<std::string>& items);
std::vector<std::string> ReadItems(std::string_view text);

// Truncates toward zero; NaN gives 0 and values beyond the int64 range saturate.
int64_t TruncateToInteger(double value);

// Upper-cases the letters a-z only; every other byte stays.
std::string UpperCaseLetters(std::string text);

// The section header of a kind word: "CustomButton" gives "[CUSTOMBUTTON]".
std::string HeaderLine(const std::string& kindWord);

}  // namespace kvx::studio
