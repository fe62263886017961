#pragma once
// Reading a .kvx file back: every section it recognises becomes a record with its live gadget,
// appended to the DesignList.
#include <string>

namespace kvx::studio {

// Sizes a hand-edited file may give; beyond them a gadget could not sensibly appear on a surface
// and its pictures would only exhaust memory. Positions keep their sign.
inline constexpr int32_t kPositionLimit = 16384;  // |Px|, |Py|
inline constexpr int32_t kExtentLimit = 4096;     // Tx, Ty, and what NumChar and LineNumber span, in pixels
inline constexpr int32_t kTextLengthLimit = 65536;  // MaxChar
inline constexpr int32_t kNumberLimit = 1 << 24;  // |Value|, |Minimum|, |Maximum|, |Increment|: exact as floats

// The ending of the name is the caller's business. A file that cannot be opened changes nothing.
void LoadDesignFrom(const std::string& path);

}  // namespace kvx::studio
