#pragma once
// A one-line field with a symbol button that drops down a list of items. The open list is drawn
// by DrawComboDropDown after all windows, so it lies above every one of them.
#include <vector>

#include "core/gadget.hpp"

namespace kvx {

class KVX_Combo;
using KVX_ComboRef = std::shared_ptr<KVX_Combo>;

struct KVX_ComboItem {
    // Not owning: a combo's items leave AllComboItems in its Free, before AllCombos lets it go.
    const KVX_Combo* Owner = nullptr;
    int32_t IconImage = 0;
    std::string ItemText;
    uint8_t ItemState = 0;  // 0 normal, 1 hovered, 2 selected
};

// State: 1 while its drop-down is open, else 0.
class KVX_Combo : public KVX_Gadget {
public:
    int32_t ItemCount = 0;
    std::string SelectedText;
    int32_t SymbolImage = 0;
    int32_t SymbolOpenImage = 0;
    int32_t BodyImage = 0;
    int32_t BodyOpenImage = 0;
    int32_t RowImage = 0;
    int32_t RowHighImage = 0;
    uint32_t ShownInRefresh = 0;  // the last refresh that drew it

    // Shared by every combo box: at most one drop-down is open in the whole toolkit.
    inline static std::vector<KVX_ComboRef> AllCombos;
    inline static std::vector<KVX_ComboItem> AllComboItems;
    inline static KVX_ComboRef OpenCombo;
    inline static int32_t DropX = 0, DropY = 0, DropW = 0, DropH = 0;

    uint8_t Kind() const override { return KVX_KindCombobox; }
    // A null parent is kept: the combo is then in no children list.
    static KVX_ComboRef Create(const KVX_GadgetRef& parent, int x, int y, int width);
    void Update(KVX_Gadget* parent) override;
    void AddItem(const std::string& text, const std::string& iconPath);
    void ClearItems();
    void SelectItem(std::string text, int resetFirst);  // a copy: it rewrites SelectedText
    void SetItemState(int index, int state);
    void ResetItemStates();
    static void CloseAll();
    void Free() override;

private:
    void HandleMouse(int ax, int ay);
    void Draw(int ax, int ay);
};

// The height of a combo's drop-down: one line per item it owns.
int32_t ListHeight(const KVX_Combo& combo);
// The refresh pass that draws and operates the open drop-down.
void DrawComboDropDown();

}  // namespace kvx
