#pragma once
// The record and live gadget that a finished rubber band makes.
#include <string>

#include "studio/designed_gadget.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {

// A new record of `kind` for the band, parented to the design window under the mouse, with its
// live gadget; the kind's handle counter moves on. Null for "Tabpanel" and "Menu", which have no
// gadget to place.
DesignedGadgetRef MakePlacedRecord(const std::string& kind, const Band& band);

}  // namespace kvx::studio
