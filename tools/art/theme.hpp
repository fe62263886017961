#pragma once
// The colours of the dark theme, shared by the skin and the demo pictures.
// The first group repeats the toolkit's scheme colours so the artwork matches them.
#include "colour.hpp"

namespace kvx::art::theme {

inline constexpr Rgba kEdgeDark = Rgb8(50, 69, 101);
inline constexpr Rgba kEdgeLight = Rgb8(62, 86, 128);
inline constexpr Rgba kSelection = Rgb8(0, 131, 178);
inline constexpr Rgba kSelectionLight = Rgb8(0, 150, 204);
inline constexpr Rgba kSelectionDark = Rgb8(0, 94, 128);
inline constexpr Rgba kAccent = Rgb8(255, 150, 0);
inline constexpr Rgba kAccentLight = Rgb8(255, 171, 31);
inline constexpr Rgba kAccentDark = Rgb8(195, 111, 0);

// Soft shadows only: opaque pixels are never black, black is the mask colour.
inline constexpr Rgba kShadow = Rgb8(0, 0, 0, 0.45f);
inline constexpr Rgba kGlyph = Rgb8(226, 232, 242);

inline constexpr Rgba kPanelTop = Rgb8(57, 60, 67);
inline constexpr Rgba kPanelBottom = Rgb8(43, 45, 50);
inline constexpr Rgba kFieldTop = Rgb8(25, 28, 33);
inline constexpr Rgba kFieldBottom = Rgb8(37, 40, 46);

}  // namespace kvx::art::theme
