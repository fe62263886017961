#pragma once
// The Modify page's fields: they show the selected record, and what the user changes in them is
// applied to that record, whatever its handle becomes.
#include <cstdint>

#include "gadgets/value.hpp"
#include "design/designed_gadget.hpp"

namespace kvx::studio {

// Input and value boxes are sized in characters: their width box shows NumChar.
bool SizedInCharacters(const DesignedGadget& record);

// Shows the record in every field; null empties them and disables them.
void ShowInEditor(const DesignedGadget* record);
// Shows the record's position and size again, after a drag or a nudge changed them.
void ShowGeometry(const DesignedGadget& record);
// Applies to the record the fields the user changed since they last showed it, and keeps the
// fields that may not change (the sizes a kind fixes) locked. A handle is taken once its field is
// left; one that cannot be used is refused and the field says why.
void ApplyEditorChanges(DesignedGadget& record);

// Shows the number in a value box, which holds it from now on.
void ShowNumber(const KVX_ValueRef& box, int32_t number);
int32_t BoxNumber(const KVX_ValueRef& box);  // the box's value, toward zero

}  // namespace kvx::studio
