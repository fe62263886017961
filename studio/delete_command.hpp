#pragma once
// Taking gadgets out of the design.
#include <vector>

#include "design/designed_gadget.hpp"

namespace kvx::studio {

// The question a delete asks first, "" when it asks none: deleting a window deletes its gadgets.
std::string DeleteQuestion(const std::vector<DesignedGadgetRef>& doomed);
// Removes the selected records, a selected window with its gadgets (asked first when it has
// any); false when nothing was removed.
bool DeleteSelection();
// Removes these records and frees their live gadgets, without asking.
void RemoveRecords(const std::vector<DesignedGadgetRef>& doomed);

}  // namespace kvx::studio
