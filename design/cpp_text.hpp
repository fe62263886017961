#pragma once
// How generated C++ spells the values of a design and the names of its gadgets.
#include <string>
#include <unordered_set>

#include "core/color.hpp"

namespace kvx::studio {

// A narrow string literal that gives back exactly these bytes: quotes, backslashes, control
// bytes and bytes above 127 are written as octal escapes, which never run into the next
// character, and "??" is broken so that no trigraph can form.
std::string CppStringLiteral(const std::string& bytes);
// A float literal that reads back as exactly this float: "0.5f", "-12.0f".
std::string CppFloatLiteral(float value);
// "kvx::KVX_Color::Create(r, g, b)"; "nullptr" for no colour.
std::string CppColor(const KVX_ColorRef& color);

// A text as an identifier: every byte that cannot be in one replaced by '_'; one that starts
// with a digit or is empty gets a leading "g_"; a C++ keyword, a name reserved to the
// implementation (a leading '_' with a capital, or "__" anywhere) or "Create" gets a trailing '_'.
// A valid name comes back unchanged.
std::string CppIdentifier(const std::string& text);

// Names for the members of a generated struct, handed out in order: a handle's identifier, or
// when that is taken already, it with "_2", "_3", ... until one is free.
class CppNames {
public:
    std::string Take(const std::string& handle);
    // A name no member may have, such as the struct's own.
    void Reserve(const std::string& name) { taken_.insert(name); }

private:
    std::unordered_set<std::string> taken_;
};

// "every_kind" and "every-kind" give "EveryKind"; a name that would not be an identifier is mangled
// as a handle is.
std::string CamelCaseName(const std::string& baseName);

}  // namespace kvx::studio
