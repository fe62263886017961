#include "design/cpp_text.hpp"

#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

namespace kvx::studio {
namespace {

constexpr std::string_view kReservedWords[] = {
    "alignas",     "alignof",   "and",        "and_eq",    "asm",      "auto",         "bitand",
    "bitor",       "bool",      "break",      "case",      "catch",    "char",         "char8_t",
    "char16_t",    "char32_t",  "class",      "compl",     "concept",  "const",        "consteval",
    "constexpr",   "constinit", "const_cast", "continue",  "co_await", "co_return",    "co_yield",
    "decltype",    "default",   "delete",     "do",        "double",   "dynamic_cast", "else",
    "enum",        "explicit",  "export",     "extern",    "false",    "float",        "for",
    "friend",      "goto",      "if",         "inline",    "int",      "long",         "mutable",
    "namespace",   "new",       "noexcept",   "not",       "not_eq",   "nullptr",      "operator",
    "or",          "or_eq",     "private",    "protected", "public",   "register",     "reinterpret_cast",
    "requires",    "return",    "short",      "signed",    "sizeof",   "static",       "static_assert",
    "static_cast", "struct",    "switch",     "template",  "this",     "thread_local", "throw",
    "true",        "try",       "typedef",    "typeid",    "typename", "union",        "unsigned",
    "using",       "virtual",   "void",       "volatile",  "wchar_t",  "while",        "xor",
    "xor_eq",      "final",     "override",   "import",    "module",   "Create",
};

bool IdentifierByte(unsigned char c) { return std::isalnum(c) || c == '_'; }

bool Reserved(const std::string& name) {
    for (std::string_view word : kReservedWords) {
        if (name == word) return true;
    }
    const bool leadingCapital = name.size() > 1 && name[0] == '_' && std::isupper(static_cast<unsigned char>(name[1]));
    return leadingCapital || name.find("__") != std::string::npos;
}

}  // namespace

std::string CppIdentifier(const std::string& text) {
    std::string name;
    for (const char c : text) name += IdentifierByte(static_cast<unsigned char>(c)) && c >= 0 ? c : '_';
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) name = "g_" + name;
    if (Reserved(name)) name += '_';
    return name;
}

std::string CppStringLiteral(const std::string& bytes) {
    constexpr int kOctalDigits = 3;
    std::string text = "\"";
    char previous = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = byte >= ' ' && byte < 0x7F && c != '"' && c != '\\' && !(c == '?' && previous == '?');
        if (plain) {
            text += c;
        } else {
            char octal[kOctalDigits + 2] = {'\\'};
            for (int digit = kOctalDigits; digit > 0; --digit)
                octal[digit] = char('0' + ((byte >> (3 * (kOctalDigits - digit))) & 7));
            text.append(octal, kOctalDigits + 1);
        }
        previous = plain ? c : 0;
    }
    return text + "\"";
}

std::string CppFloatLiteral(float value) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    std::string text(buffer.data(), end);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text + "f";
}

std::string CppColor(const KVX_ColorRef& color) {
    if (!color) return "nullptr";
    return "kvx::KVX_Color::Create(" + std::to_string(color->Red) + ", " + std::to_string(color->Green) + ", " +
           std::to_string(color->Blue) + ")";
}

std::string CppNames::Take(const std::string& handle) {
    const std::string base = CppIdentifier(handle);
    std::string name = base;
    for (int suffix = 2; taken_.contains(name); ++suffix) name = base + "_" + std::to_string(suffix);
    taken_.insert(name);
    return name;
}

std::string CamelCaseName(const std::string& baseName) {
    std::string name;
    bool upper = true;
    for (const char c : baseName) {
        const auto byte = static_cast<unsigned char>(c);
        if (!IdentifierByte(byte) || c == '_' || c < 0) {
            upper = true;
            continue;
        }
        name += upper ? char(std::toupper(byte)) : c;
        upper = false;
    }
    return CppIdentifier(name);
}

}  // namespace kvx::studio
