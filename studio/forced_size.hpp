#pragma once
// Sizes some kinds always have, whatever band or drag gave them.
#include <cstdint>
#include <string>

namespace kvx::studio {

// Replaces w and/or h for check boxes, buttons, combo boxes, input and value boxes and labels.
void ApplyForcedSize(const std::string& kind, int32_t& w, int32_t& h);

}  // namespace kvx::studio
