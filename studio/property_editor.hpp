#pragma once
// The Modify page's boxes: filled from the selected record, read back into it.
#include <cstdint>

#include "gadgets/value.hpp"
#include "studio/designed_gadget.hpp"

namespace kvx::studio {

// Input and value boxes are sized in characters: their width box shows NumChar.
bool SizedInCharacters(const DesignedGadget& record);

// Shows the record and enables the size boxes the kind lets the user change.
void LoadPropertyEditor(const DesignedGadget& record);

// Shows the number in a value box, which holds it from now on.
void ShowNumber(const KVX_ValueRef& box, int32_t number);
int32_t BoxNumber(const KVX_ValueRef& box);  // the box's value, toward zero

}  // namespace kvx::studio
