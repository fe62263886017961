#pragma once
// One creation call of the exported program, as a kind's entry spells it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvx::studio {

// The comma-separated arguments of one creation call.
class Arguments {
public:
    Arguments& Add(const std::string& text);
    Arguments& Add(int64_t value) { return Add(std::to_string(value)); }
    Arguments& Quoted(const std::string& text) { return Add("\"" + text + "\""); }
    Arguments& Flag(uint8_t value);
    // Whole numbers when the record is integer-only, else "%#.9g".
    Arguments& Number(float value, uint8_t integerOnly);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    bool first_ = true;
};

struct Creation {
    std::string_view TypeName;  // "KVX_PushButton"
    Arguments Args;
    std::string Ending = ")";
    // Lines written between the gadget's declaration and its creation.
    std::vector<std::string> Prelude = {};
    // Lines written after the creation.
    std::vector<std::string> Then = {};
};

// "Global " or "Local ", the word that opens a declaration.
std::string ScopeWord(uint8_t global);

}  // namespace kvx::studio
