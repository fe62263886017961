#include "gadgets/combo.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "gadgets/item_text.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

int LoadPiece(const std::string& file, int width, int height, int style) {
    return LoadSizedImage(SkinPath(file), width, height, ToARGB(KVX_SchemeColors.ComboEdgeA),
                          ToARGB(KVX_SchemeColors.ComboEdgeB), style);
}

// Visits the items of one combo in insertion order.
template <class Visit>
void ForEachItemOf(const KVX_Combo* combo, Visit visit) {
    for (KVX_ComboItem& item : KVX_Combo::AllComboItems) {
        if (item.Owner == combo) visit(item);
    }
}

}  // namespace

KVX_ComboRef KVX_Combo::Create(const KVX_GadgetRef& parent, int x, int y, int width) {
    auto combo = MakeGadget<KVX_Combo>();
    combo->Parent = parent;
    combo->State = 0;
    combo->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));
    combo->X = x;
    combo->Y = y;
    const int h = KVX_LineHeight + 1, w = width - h;
    combo->Height = h;
    combo->Width = w;
    combo->SymbolImage = LoadPiece("Combo_Symbol_un.png", h, h, 1);
    combo->SymbolOpenImage = LoadPiece("Combo_Symbol_se.png", h, h, 1);
    combo->BodyImage = LoadPiece("Combo_Body_un.png", w, h, 1);
    combo->BodyOpenImage = LoadPiece("Combo_Body_se.png", w, h, 1);
    combo->RowImage = LoadPiece("Combo_Bar_un.png", w + h, KVX_LineHeight, 0);
    combo->RowHighImage = LoadPiece("Combo_Bar_se.png", w + h, KVX_LineHeight, 0);
    KVX_AddChild(parent, combo);
    AllCombos.push_back(combo);
    return combo;
}

void KVX_Combo::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        if (parent->Disabled == 0) HandleMouse(ax, ay);
        ShownInRefresh = KVX_RefreshSerial();
        Draw(ax, ay);
    }
    FinishUpdate(ax, ay);
}

void KVX_Combo::HandleMouse(int ax, int ay) {
    const KVX_MouseState& m = KVX_Mouse;
    if (m.LeftHit && m.MouseIn(ax, ay, Width + 16, Height, false) && !Disabled && State == 0 && !ComboOpen &&
        !MenuOpen && ItemCount > 0) {
        CloseAll();
        State = 1;
        ComboOpen = 1;
        OpenCombo = std::static_pointer_cast<KVX_Combo>(shared_from_this());
        DropX = ax;
        DropY = ay + Height + 1;
        DropW = Width + 16;
        DropH = ListHeight(*this);
    }
    if ((m.LeftHit && !m.MouseIn(ax, ay, Width + 16, DropH + Height, false) && State == 1) || m.RightHit) {
        CloseAll();
        State = 0;
    }
}

void KVX_Combo::Draw(int ax, int ay) {
    if (State == 1) {
        DrawImageHandle(SymbolOpenImage, ax + Width, ay, KVX_SchemeColors.ListTint);
        DrawImageHandle(BodyOpenImage, ax, ay, KVX_SchemeColors.ListTint);
        if (ClickSound && !ClickLatch) {
            PlaySound(SoundFromHandle(ClickSound));
            ClickLatch = 1;
        }
    } else {
        DrawImageHandle(SymbolImage, ax + Width, ay, KVX_SchemeColors.ListTint);
        DrawImageHandle(BodyImage, ax, ay, KVX_SchemeColors.ListTint);
        ClickLatch = 0;
    }
    SetViewport(ax, ay, Width - 1, Height);
    DrawColoredText(SelectedText, ax + 2, ay + 2, KVX_SchemeColors.ComboText, KVX_GuiFont);
}

void KVX_Combo::AddItem(const std::string& text, const std::string& iconPath) {
    const std::string icon = iconPath.empty() ? SkinPath("Icon_Item.png") : iconPath;
    AllComboItems.push_back(KVX_ComboItem{this, LoadSizedImage(icon, 15, 15, 0, 0, 0), text, 0});
    ++ItemCount;
}

void KVX_Combo::ClearItems() {
    ForEachItemOf(this, [](KVX_ComboItem& item) { ReleaseHandleField(item.IconImage); });
    std::erase_if(AllComboItems, [this](const KVX_ComboItem& item) { return item.Owner == this; });
    SelectedText.clear();
    ItemCount = 0;
}

void KVX_Combo::SelectItem(std::string text, int resetFirst) {
    // Index-based: ResetItemStates walks the same list.
    for (size_t i = 0; i < AllComboItems.size(); ++i) {
        if (AllComboItems[i].Owner != this || !SameTextIgnoringCase(AllComboItems[i].ItemText, text)) continue;
        if (resetFirst == 1) ResetItemStates();
        AllComboItems[i].ItemState = 2;
        SelectedText = AllComboItems[i].ItemText;
    }
}

void KVX_Combo::SetItemState(int index, int state) {
    int n = 0;
    ForEachItemOf(this, [&](KVX_ComboItem& item) {
        if (++n != index) {
            item.ItemState = 0;
            return;
        }
        item.ItemState = uint8_t(state);
        if (state == 2) SelectedText = item.ItemText;
    });
}

void KVX_Combo::ResetItemStates() {
    ForEachItemOf(this, [](KVX_ComboItem& item) { item.ItemState = 0; });
}

void KVX_Combo::CloseAll() {
    for (const KVX_ComboRef& combo : AllCombos) combo->State = 0;
    ComboOpen = 0;
}

void KVX_Combo::Free() {
    for (int32_t* image :
         {&SymbolImage, &SymbolOpenImage, &BodyImage, &BodyOpenImage, &RowImage, &RowHighImage, &ClickSound}) {
        ReleaseHandleField(*image);
    }
    Closed = 1;
    ClearItems();
    // A drop-down left open by a freed combo would block the mouse for good.
    if (OpenCombo.get() == this) {
        ComboOpen = 0;
        OpenCombo = nullptr;
    }
    const KVX_GadgetRef self = shared_from_this();
    std::erase_if(AllCombos, [this](const KVX_ComboRef& combo) { return combo.get() == this; });
    KVX_FreeChildren(Children);
}

int32_t ListHeight(const KVX_Combo& combo) {
    int32_t count = 0;
    ForEachItemOf(&combo, [&](KVX_ComboItem&) { ++count; });
    return KVX_LineHeight * count;
}

void DrawComboDropDown() {
    if (ComboOpen != 1 || !KVX_Combo::OpenCombo) return;
    const KVX_ComboRef combo = KVX_Combo::OpenCombo;
    // A list whose combo is no longer drawn (it, its tab or its window was hidden) would hold the
    // mouse for good.
    if (combo->ShownInRefresh != KVX_RefreshSerial()) {
        KVX_Combo::CloseAll();
        KVX_Combo::OpenCombo = nullptr;
        return;
    }
    const int x = KVX_Combo::DropX, y = KVX_Combo::DropY, w = KVX_Combo::DropW, h = KVX_Combo::DropH;
    const int L = KVX_LineHeight;
    SetBlend(kAlphaBlend);
    SetAlpha(combo->Alpha / 2);
    DrawBevelRect(x + 3, y + 2, w + 2, h, KVX_BlackColor, nullptr, nullptr, 0);
    SetAlpha(combo->Alpha);
    int r = 0;
    // Index-based: the state calls below rewrite the items while this walks them.
    for (size_t i = 0; i < KVX_Combo::AllComboItems.size(); ++i) {
        if (KVX_Combo::AllComboItems[i].Owner != combo.get()) continue;
        SetBlend(kAlphaBlend);
        SetViewport(0, 0, GraphicsWidth(), GraphicsHeight());
        if (KVX_Mouse.MouseIn(x, y, w, h, false)) {
            const int row = L > 0 ? (KVX_Mouse.Y - (y - L)) / L : 0;
            if (KVX_Mouse.LeftReleased) {
                combo->SetItemState(row, 2);
                ComboOpen = 0;
                combo->State = 0;
                // Nothing more is drawn this frame; the state is still left clean for the menus.
                ResetDrawState();
                return;
            }
            combo->SetItemState(row, 1);
            combo->SelectItem(combo->SelectedText, 0);
        }
        const KVX_ComboItem& item = KVX_Combo::AllComboItems[i];
        DrawImageHandle(combo->RowImage, x, y + r, KVX_SchemeColors.ListTint);
        if (item.ItemState == 1) DrawImageHandle(combo->RowHighImage, x, y + r, KVX_SchemeColors.ListTint);
        if (item.ItemState == 2) {
            SetAlpha(combo->Alpha / 2);
            DrawImageHandle(combo->RowHighImage, x, y + r, KVX_SchemeColors.ListTint);
            SetAlpha(combo->Alpha);
        }
        SetViewport(x, y, w - 2, h);
        DrawImageHandle(item.IconImage, x + 2, y + 1 + r, KVX_WhiteColor);
        DrawColoredText(item.ItemText, x + 17, y + 1 + r, KVX_SchemeColors.ComboListText, KVX_GuiFont);
        r += L;
    }
    ResetDrawState();
}

}  // namespace kvx
