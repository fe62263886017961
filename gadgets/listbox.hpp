#pragma once
// A scrollable list of lines with 15x15 icons, one of which is selected with the mouse; built from
// a skinned body, two scroll bars and four arrow buttons. "[]" makes a separator line.
#include <map>
#include <vector>

#include "core/gadget.hpp"
#include "gadgets/custom_button.hpp"
#include "gadgets/scrollbar.hpp"
#include "platform/image.hpp"

namespace kvx {

// The smallest list the toolkit makes: narrower or shorter ones are widened and lengthened.
inline constexpr int32_t KVX_ListboxMinWidth = 65;
inline constexpr int32_t KVX_ListboxMinLines = 5;

class KVX_Listbox;
using KVX_ListboxRef = std::shared_ptr<KVX_Listbox>;

struct KVX_ListItem {
    std::weak_ptr<KVX_Listbox> Owner;  // the list holds its items, not the reverse
    int32_t IconImage = 0;
    std::string ItemText;
    uint8_t Separator = 0;
    uint8_t Selected = 0;
};

// State: unused.
class KVX_Listbox : public KVX_Gadget {
public:
    KVX_ScrollbarRef HScroll;  // sideways, in pixels
    KVX_ScrollbarRef VScroll;  // the 1-based number of the first line shown
    KVX_CustomButtonRef ButtonUp, ButtonDown, ButtonLeft, ButtonRight;
    KVX_Timer RepeatTimer = KVX_Timer::Create(kRepeatMs);
    std::string SelectedText;  // the most recently selected text; reading it consumes nothing
    int32_t ItemCount = 0;
    int32_t WidestText = 0;  // since the last ClearItems
    int32_t BodyImage = 0;
    std::vector<KVX_ListItem> ItemList;

    static constexpr int kRepeatMs = 150;

    uint8_t Kind() const override { return KVX_KindListbox; }
    static KVX_ListboxRef Create(const KVX_GadgetRef& parent, int x, int y, int width, int lines);
    void Update(KVX_Gadget* parent) override;
    void AddItem(const std::string& text, const std::string& iconPath);
    void SelectItem(const std::string& text);
    void SelectIndex(int index);  // 1-based, separators counted
    void ClearItems();
    void DeselectAll();
    int32_t RemoveItem(const std::string& text);
    // ax, ay: the position this frame's Update draws at.
    void DrawItems(int ax, int ay, int active);
    void Free() override;

private:
    // Each icon file is sized once per list; every item gets its own handle on the shared image.
    std::map<std::string, ImagePtr> IconCache;

    int VisibleLines() const;
    int IconFor(const std::string& iconPath);
    void LayOutScrollbars();
    void HandleMouse(int ax, int ay, int first, int active);
    void RepeatArrows();
    // While the button is held: due every 150 ms, or at once when the wheel turns its way.
    bool RepeatDue(const KVX_CustomButtonRef& button, bool wheel);
    void DrawItem(const KVX_ListItem& item, int ax, int ay, int yoff);
};

}  // namespace kvx
