#pragma once
// A kind's creation call, written once: run against the toolkit it makes the live gadget, spelled
// as C++ it is the line of a generated header. Both come from the same argument list, so loading
// a design and compiling it cannot drift apart.
#include <cstdint>
#include <string>

#include "core/color.hpp"
#include "core/gadget.hpp"
#include "core/skin.hpp"
#include "design/cpp_text.hpp"
#include "design/designed_gadget.hpp"
#include "design/kinds/kind_parts.hpp"

namespace kvx::studio {

// The record's parent window: the live one, or the generated member that holds it.
struct ParentArgument {
    const DesignedGadget& Record;
};

// A value that generated code names instead of spelling its number.
template <class T>
struct NamedArgument {
    T Value;
    const char* Name;  // "kvx::KVX_TitledStyle"
};

// A text's own colour, or the scheme's label colour when it has none (which follows the scheme).
struct TextColor {
    const KVX_ColorRef& Own;
};

class LiveCall {
public:
    template <class Make, class... Args>
    KVX_GadgetRef operator()(Make make, const char*, const Args&... args) const {
        return make(Live(args)...);
    }

private:
    static KVX_GadgetRef Live(const ParentArgument& parent) { return LiveParentOf(parent.Record); }
    template <class T>
    static T Live(const NamedArgument<T>& named) {
        return named.Value;
    }
    static KVX_ColorRef Live(const TextColor& color) { return color.Own ? color.Own : KVX_SchemeColors.GadgetText; }
    template <class T>
    static const T& Live(const T& value) {
        return value;
    }
};

class CppCall {
public:
    explicit CppCall(std::string parent) : parent_(std::move(parent)) {}

    template <class Make, class... Args>
    std::string operator()(Make, const char* function, const Args&... args) const {
        std::string text = std::string("kvx::") + function + "(";
        bool first = true;
        ((text += (first ? "" : ", ") + Cpp(args), first = false), ...);
        return text + ")";
    }

private:
    std::string Cpp(const ParentArgument&) const { return parent_.empty() ? "nullptr" : parent_; }
    template <class T>
    std::string Cpp(const NamedArgument<T>& named) const {
        return named.Name;
    }
    std::string Cpp(const TextColor& color) const {
        return color.Own ? CppColor(color.Own) : "kvx::KVX_SchemeColors.GadgetText";
    }
    std::string Cpp(const std::string& text) const { return CppStringLiteral(text); }
    std::string Cpp(float value) const { return CppFloatLiteral(value); }
    std::string Cpp(int32_t value) const { return std::to_string(value); }
    std::string Cpp(uint8_t value) const { return std::to_string(value); }
    std::string Cpp(const KVX_ColorRef& color) const { return CppColor(color); }

    std::string parent_;
};

// A kind's Create and CppCreate from its one creation call: a generic lambda taking the call and
// the record.
template <const auto& Make>
KVX_GadgetRef LiveOf(DesignedGadget& record) {
    return Make(LiveCall{}, record);
}
template <const auto& Make>
std::string CppOf(const DesignedGadget& record, const std::string& parent) {
    return Make(CppCall{parent}, record);
}

}  // namespace kvx::studio
