#pragma once
// Reading a .kvx file back: every section it recognises becomes a record with its live gadget,
// appended to the DesignList.
#include <cstdint>
#include <string>

namespace kvx::studio {

// Sizes a hand-edited file may give; beyond them a gadget could not sensibly appear on a surface
// and its pictures would only exhaust memory. Positions keep their sign.
inline constexpr int32_t kPositionLimit = 16384;    // |Px|, |Py|
inline constexpr int32_t kExtentLimit = 4096;       // Tx, Ty, and what NumChar and LineNumber span, in pixels
inline constexpr int32_t kTextLengthLimit = 65536;  // MaxChar
inline constexpr int32_t kNumberLimit = 1 << 24;    // |Value|, |Minimum|, |Maximum|, |Increment|: exact as floats
// Every live gadget holds pictures of its size, so a file of many or huge sections could ask for
// gigabytes. A load stops making gadgets once their areas add up to kLoadedAreaLimit pixels:
// sixty-four full screens, far beyond any design made on one screen, so a real design is never
// cut short. A small gadget's pictures and records take about what a 96 x 96 picture does, so
// each is charged at least that.
inline constexpr int64_t kLoadedAreaLimit = int64_t(64) * 1024 * 768;
inline constexpr int64_t kGadgetAreaCharge = 96 * 96;

// The ending of the name is the caller's business. A file that cannot be opened changes nothing;
// the sections after the one that spends kLoadedAreaLimit are not read.
void LoadDesignFrom(const std::string& path);

}  // namespace kvx::studio
