#include "gadgets/scheme_sample.hpp"

#include "core/skin.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/frame.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/progress.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/scrollbar.hpp"
#include "gadgets/tabpanel.hpp"

namespace kvx {

KVX_WindowRef KVX_SchemeSampleWindow(int x, int y) {
    const KVX_WindowRef w = KVX_Window::Create("Sample", x, y, KVX_SchemeSampleW, KVX_SchemeSampleH, 0, 0, 0);
    KVX_Label::Create(w, "A label", 10, 10, 1, KVX_SchemeColors.GadgetText);
    KVX_PushButton::Create(w, "Button", 10, 35, 100);
    KVX_Checkbox::Create(w, "Check box", 130, 38, 1);
    KVX_Input::Create(w, "Text field", 10, 70, 20, 40);
    const KVX_ListboxRef list = KVX_Listbox::Create(w, 10, 100, 140, 4);
    for (const char* line : {"First line", "Chosen line", "Third line"}) list->AddItem(line, "");
    list->SelectItem("Chosen line");
    const KVX_ComboRef combo = KVX_Combo::Create(w, 170, 100, 140);
    combo->AddItem("Drop-down", "");
    combo->SelectItem("Drop-down", 1);
    KVX_Frame::Create(w, "Frame", 170, 140, 140, 50);
    KVX_Progress::Create(w, "Progress", 10, 215, 300, 20, 60, 100);
    KVX_Scrollbar::Create(w, "Slider", 70, 250, 240, 15, 40.f, 0.f, 100.f, 1.f, 0, 1);
    KVX_Tabpanel::Create(w, "One|Two|Three", 10, 285, 300, 90);
    return w;
}

}  // namespace kvx
