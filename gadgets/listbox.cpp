#include "gadgets/listbox.hpp"

#include <algorithm>
#include <optional>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/item_text.hpp"
#include "gadgets/value_shared.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

constexpr int kBarSize = 15;
constexpr int kIconSize = 15;
constexpr int kMinThumb = 10;
const char* const kSeparatorText = "[]";

// The refresh serial right after the last pass AddItem ran.
std::optional<uint32_t> g_serialAfterItemPass;

KVX_CustomButtonRef MakeArrow(const KVX_ListboxRef& box, int x, int y, const std::string& direction) {
    const std::string prefix = "Arrow_" + direction;
    return KVX_CustomButton::Create(box, "", x, y, kBarSize, kBarSize, SkinPath(prefix + "_hi.png"),
                                    SkinPath(prefix + "_un.png"), SkinPath(prefix + "_se.png"), 1);
}

// The pass AddItem runs makes the frame whole again after an icon load cleared the back buffer.
// Otherwise one per application frame is plenty: a pass per item would cost a frame per line.
bool ItemPassWanted(bool clearedBackBuffer) {
    if (KVX_InsideRefresh()) return false;  // a refresh must never be re-entered
    return clearedBackBuffer || g_serialAfterItemPass != KVX_RefreshSerial();
}

void RunItemPass() {
    KVX_RefreshGui();
    g_serialAfterItemPass = KVX_RefreshSerial();
}

}  // namespace

KVX_ListboxRef KVX_Listbox::Create(const KVX_GadgetRef& parent, int x, int y, int width, int lines) {
    auto box = MakeGadget<KVX_Listbox>();
    const KVX_GadgetRef owner = KVX_ParentOrDesktop(parent);
    box->Parent = owner;
    box->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));
    box->X = x;
    box->Y = y;
    width = std::max(width, KVX_ListboxMinWidth);
    lines = std::max(lines, KVX_ListboxMinLines);
    const int w = width - 16, h = lines * KVX_LineHeight;
    box->Width = w;
    box->Height = h;
    box->BodyImage = LoadSizedImage(SkinPath("Listbox_Body.png"), w, h, ToARGB(KVX_SchemeColors.ListEdgeA),
                                    ToARGB(KVX_SchemeColors.ListEdgeB), 1);
    box->HScroll = KVX_Scrollbar::Create(box, "", 0, h + 1, w - 16, kBarSize, 0.f, 0.f, float(width), 10.f, 0, 1);
    box->HScroll->ShowValue = 0;
    box->VScroll = KVX_Scrollbar::Create(box, "", w + 1, 0, kBarSize, h - 32, 1.f, 1.f, 20.f, 1.f, 1, 1);
    box->ButtonUp = MakeArrow(box, w + 1, h - 31, "Up");
    box->ButtonDown = MakeArrow(box, w + 1, h - 15, "Down");
    box->ButtonLeft = MakeArrow(box, w - 15, h + 1, "Left");
    box->ButtonRight = MakeArrow(box, w + 1, h + 1, "Right");
    KVX_AddChild(owner, box);
    return box;
}

void KVX_Listbox::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        DrawImageHandle(BodyImage, ax, ay, KVX_SchemeColors.ListTint, 0);
        DrawItems(ax, ay, parent->Disabled == 0 ? 1 : 0);
    }
    FinishUpdate(ax, ay);
}

void KVX_Listbox::AddItem(const std::string& text, const std::string& iconPath) {
    const std::string icon = iconPath.empty() ? SkinPath("Icon_Item.png") : iconPath;
    const bool loadsIcon = !IconCache.contains(icon);
    KVX_ListItem item;
    item.Owner = std::static_pointer_cast<KVX_Listbox>(weak_from_this().lock());
    item.IconImage = IconFor(icon);
    item.ItemText = text;
    item.Separator = text == kSeparatorText ? 1 : 0;
    WidestText = std::max(WidestText, TextWidth(text));
    ItemList.push_back(std::move(item));
    ++ItemCount;
    if (ItemPassWanted(loadsIcon)) RunItemPass();
    // The layout the pass would have left, also when it did not run or did not reach this list.
    LayOutScrollbars();
    for (const KVX_ScrollbarRef& bar : {HScroll, VScroll}) {
        if (!bar) continue;
        bar->Value = 0.f;
        bar->ThumbValid = 0.f;
    }
}

int KVX_Listbox::IconFor(const std::string& iconPath) {
    auto cached = IconCache.find(iconPath);
    if (cached == IconCache.end()) {
        const int loaded = LoadSizedImage(iconPath, kIconSize, kIconSize, 0, 0, 0);
        cached = IconCache.emplace(iconPath, ImageFromHandle(loaded)).first;
        ReleaseHandle(loaded);
    }
    return HandleFromImage(cached->second);
}

void KVX_Listbox::SelectItem(const std::string& text) {
    for (KVX_ListItem& item : ItemList) {
        if (!SameTextIgnoringCase(item.ItemText, text)) {
            item.Selected = 0;
        } else if (!item.Separator) {
            item.Selected = 1;
            SelectedText = item.ItemText;
        }
    }
}

void KVX_Listbox::SelectIndex(int index) {
    int position = 1;
    for (KVX_ListItem& item : ItemList) {
        if (position++ != index) {
            item.Selected = 0;
        } else if (!item.Separator) {
            item.Selected = 1;
            SelectedText = item.ItemText;
        }
    }
}

void KVX_Listbox::ClearItems() {
    for (KVX_ListItem& item : ItemList) ReleaseHandleField(item.IconImage);
    ItemList.clear();
    IconCache.clear();
    ItemCount = 0;
    SelectedText.clear();
    WidestText = 0;
}

void KVX_Listbox::DeselectAll() {
    for (KVX_ListItem& item : ItemList) item.Selected = 0;
}

int32_t KVX_Listbox::RemoveItem(const std::string& text) {
    auto found = std::find_if(ItemList.begin(), ItemList.end(),
                              [&](const KVX_ListItem& item) { return SameTextIgnoringCase(item.ItemText, text); });
    if (found == ItemList.end()) return 0;
    // Nothing else holds the removed item's icon.
    ReleaseHandleField(found->IconImage);
    ItemList.erase(found);
    --ItemCount;
    return 1;
}

int KVX_Listbox::VisibleLines() const { return KVX_LineHeight > 0 ? Height / KVX_LineHeight : 0; }

void KVX_Listbox::LayOutScrollbars() {
    if (!HScroll || !VScroll) return;
    const int visible = VisibleLines(), w = Width, h = Height;
    if (ItemCount <= visible) {
        VScroll->Maximum = 1.f;
        VScroll->ThumbSize = h - 32;
        if (WidestText < HScroll->Width) {
            HScroll->ThumbSize = HScroll->Width;
            HScroll->Maximum = float(HScroll->Width);
        } else {
            HScroll->ThumbSize = (w + 16) / 2;
            HScroll->Maximum = float(WidestText + 32 - w);
        }
    } else {
        VScroll->Maximum = float(ItemCount + 1 - visible);
        VScroll->ThumbSize = std::max(kMinThumb, visible * (h - 32) / ItemCount);
    }
}

void KVX_Listbox::DrawItems(int ax, int ay, int active) {
    if (ItemList.empty() || !VScroll || !HScroll) {
        ResetDrawState();
        return;
    }
    LayOutScrollbars();
    const int visible = VisibleLines();
    // The first line shown stays inside the list whatever the bar holds until it clamps itself.
    const int first = std::clamp(int(VScroll->Value), 1, std::max(1, int(VScroll->Maximum)));
    HandleMouse(ax, ay, first, active);
    SetViewport(ax + 2, ay, Width - 4, Height);
    const int last = std::min(first + visible, int(ItemList.size()));
    for (int index = first, yoff = 0; index <= last && yoff < Height; ++index, yoff += KVX_LineHeight) {
        DrawItem(ItemList[size_t(index - 1)], ax, ay, yoff);
    }
    ResetDrawState();
}

void KVX_Listbox::HandleMouse(int ax, int ay, int first, int active) {
    if (ComboOpen || MenuOpen || KVX_WindowDragging) return;
    if (active == 1) {
        if (KVX_Mouse.MouseIn(ax, ay, Width, Height - 1, true) && !Disabled) {
            SelectIndex((KVX_Mouse.Y - ay) / KVX_LineHeight + first);
            if (ClickSound && !ClickLatch) {
                PlaySound(SoundFromHandle(ClickSound));
                ClickLatch = 1;
            }
        } else {
            ClickLatch = 0;
        }
        if (KVX_Mouse.MouseIn(ax, ay, Width, Height, false)) StepByWheel(*VScroll);
    }
    RepeatArrows();
}

void KVX_Listbox::RepeatArrows() {
    if (RepeatDue(ButtonLeft, false)) HScroll->Decrement();
    if (RepeatDue(ButtonRight, false)) HScroll->Increment();
    if (RepeatDue(ButtonUp, KVX_Mouse.WheelDir == 1)) VScroll->Decrement();
    if (RepeatDue(ButtonDown, KVX_Mouse.WheelDir == -1)) VScroll->Increment();
}

bool KVX_Listbox::RepeatDue(const KVX_CustomButtonRef& button, bool wheel) {
    if (!button || button->Pressed() != 1 || !(RepeatTimer.Check() || wheel)) return false;
    RepeatTimer = KVX_Timer::Create(kRepeatMs);
    return true;
}

void KVX_Listbox::DrawItem(const KVX_ListItem& item, int ax, int ay, int yoff) {
    const KVX_Scheme& s = KVX_SchemeColors;
    const int L = KVX_LineHeight;
    SetBlend(kAlphaBlend);
    SetAlpha(DrawAlpha());
    if (item.Selected) DrawBevelRect(ax, ay + yoff + 1, Width, L - 2, s.ListSelection, nullptr, nullptr, 0);
    const int tx = ax + 2 - int(HScroll->Value), ty = ay + yoff + 2;
    if (item.Separator) {
        if (s.ListSeparator) s.ListSeparator->Set();
        DrawRect(float(ax), float(ty + L / 2 - 2), float(Width), 1.f);
        SetColor(255, 255, 255);
        return;
    }
    DrawImageHandle(item.IconImage, tx, ty - 1, KVX_WhiteColor, 0);
    DrawColoredText(item.ItemText, tx + 17, ty, s.ListText, KVX_GuiFont);
}

void KVX_Listbox::Free() {
    ReleaseHandleField(BodyImage);
    HScroll = VScroll = nullptr;
    ButtonUp = ButtonDown = ButtonLeft = ButtonRight = nullptr;
    ClearItems();
    KVX_Gadget::Free();
}

}  // namespace kvx
