#pragma once
// The record and live gadget that a finished rubber band makes.
#include <string>

#include "gadgets/window.hpp"
#include "design/designed_gadget.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {

// A new record of `kind` for the band (screen pixels, sizes the kind fixes applied), inside
// `window` (the live gadget of a designed window) or inside none, with its live gadget; the
// kind's handle counter moves on and the record is appended to the DesignList. Null for kinds
// that cannot be placed.
DesignedGadgetRef PlaceInDesign(const std::string& kind, Band band, const KVX_WindowRef& window);

}  // namespace kvx::studio
