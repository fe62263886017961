#pragma once
// The window the file and path requesters share: confirm and Cancel buttons, the listing, the
// "Drives:" label, a text field and the drive selector, centred on the screen.
#include <string>

#include "gadgets/combo.hpp"
#include "gadgets/input.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"

namespace kvx {

struct RequesterLayout {
    KVX_WindowRef Window;
    KVX_PushButtonRef Confirm, Cancel;
    KVX_ListboxRef List;
    KVX_InputRef Field;
    KVX_ComboRef Drives;  // LastDirectory first and chosen, then the drives
};

// The children in creation order; the field is fieldChars characters wide.
RequesterLayout CreateRequesterLayout(const std::string& title, const std::string& confirmCaption, int fieldChars);

// LastDirectory after a requester's path argument ("" keeps it); an empty one becomes the
// working directory, so the listing and the drive selector name a real place.
void TakeStartDirectory(const std::string& path);

}  // namespace kvx
