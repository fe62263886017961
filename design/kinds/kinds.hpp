#pragma once
// The entries of the kind table, one per file of this folder (internal to kind_table.cpp).
#include "design/kind_table.hpp"

namespace kvx::studio {

extern const KindDescription kWindowKind, kFrameKind, kCheckboxKind, kButtonKind, kCustomButtonKind, kColorIconKind,
    kScrollbarKind, kProgressbarKind, kListboxKind, kComboboxKind, kInputboxKind, kValueKind, kLabeltextKind,
    kImageboxKind, kTabpanelKind, kMenuKind;

}  // namespace kvx::studio
