#pragma once
// Changes to the design that keep it whole: handles stay unique and windows' gadgets follow their
// window's new name.
#include <functional>
#include <string>

#include "design/designed_gadget.hpp"

namespace kvx::studio {

// Why `handle` cannot name `record`: "" when it can. Handles are unique and never empty.
std::string HandleProblem(const DesignedGadget& record, const std::string& handle);

// Gives the record a new handle; a window's gadgets take the new name as their Parent.
void Rename(DesignedGadget& record, const std::string& handle);

// "<kind word><n>" with the kind's next number that no record uses yet; the counter moves past it.
std::string FreshHandle(const std::string& kindWord);
// The same, with `used` telling which handles are taken.
std::string FreshHandle(const std::string& kindWord, const std::function<bool(const std::string&)>& used);

}  // namespace kvx::studio
