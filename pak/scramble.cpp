#include "pak/pak.hpp"

namespace kvx {

std::string ScrambleText(const std::string& text) {
    // Text is 8-bit, so only the length's low byte reaches a character.
    const auto key = char(uint8_t(text.size()));
    std::string scrambled = text;
    for (char& c : scrambled) c ^= key;
    return scrambled;
}

}  // namespace kvx
