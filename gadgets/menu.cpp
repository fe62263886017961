#include "gadgets/menu.hpp"

#include <algorithm>
#include <unordered_set>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "gadgets/item_text.hpp"
#include "platform/platform.hpp"

namespace kvx {

std::vector<KVX_MenuRef> AllMenus;
int32_t MenuBarNextX = 0;
int32_t MenuBarImage = 0;

namespace {

constexpr int kTitleStyle = 10;
constexpr int kSubmenuStyle = 20;
constexpr int32_t kBarStart = 5, kTitleMargin = 10;  // where the first title starts; around each title's text

int LoadIcon(const std::string& path) { return LoadSizedImage(path, 15, 15, 0, 0, 0); }

int GuiTextWidth(const std::string& text) {
    SetImageFont(KVX_GuiFont);
    return TextWidth(text);
}

KVX_MenuRef MakeMenu(int style) {
    auto menu = MakeGadget<KVX_Menu>();
    menu->Disabled = 0;
    menu->ArrowImage = LoadIcon(SkinPath("Icon_Item.png"));
    menu->Style = style;
    return menu;
}

int LoadBarImage() { return LoadSizedImage(SkinPath("Menu_Bar.png"), GraphicsWidth(), KVX_MenuBarHeight, 0, 0, 0); }

void Fill(int x, int y, int w, int h, const KVX_ColorRef& color) {
    DrawBevelRect(x, y, w, h, color, nullptr, nullptr, 0);
}

void DrawTitle(KVX_Menu& m, int& hovered) {
    const int L = KVX_LineHeight;
    const KVX_Scheme& s = KVX_SchemeColors;
    if (KVX_Mouse.MouseIn(m.X + 2, 0, m.TitleWidth - 4, L, false) && !m.Disabled) {
        // Holding the button while sliding along the bar switches between menus.
        if (KVX_Mouse.LeftDown && !KVX_WindowDragging && KVX_ActivationAllowed == 1) {
            CloseAllMenus(1);
            m.State = 1;
            MenuOpen = 1;
        }
        hovered = 1;
    }
    if (m.State == 1) {
        SetAlpha(0.8f);
        Fill(m.X - 5, 2, m.TitleWidth, L - 2, s.MenuHighlight2);
    }
    SetAlpha(m.Disabled ? 0.5f : 1.0f);
    DrawColoredText(m.Text, m.X, m.Y + 2, s.MenuText, KVX_GuiFont);
}

// Once the pointer is over an open panel, every menu made after it closes.
void CloseMenusAfterHoveredPanel() {
    bool metHovered = false;
    for (const KVX_MenuRef& other : AllMenus) {
        if (metHovered) {
            other->State = 0;
            other->HighlightIndex(-1);
        } else if (MouseOverOpenMenu(*other)) {
            metHovered = true;
        }
    }
}

void DrawEntry(KVX_Menu& m, const KVX_MenuItem& e, int px, int pw, int rowY) {
    const int L = KVX_LineHeight;
    const KVX_Scheme& s = KVX_SchemeColors;
    if (e.Highlighted && !e.IsSeparator() && !e.Disabled) {
        SetAlpha(0.8f);
        DrawBevelRect(px + 1, rowY, m.PanelWidth + 23, L, s.MenuHighlight2, s.MenuHighlight3, s.MenuHighlight3, 1);
    }
    if (e.IsSeparator()) {
        SetAlpha(1.0f);
        Fill(m.X + 3, rowY + L / 2, m.PanelWidth + 7, 1, s.MenuDark);
    } else {
        SetAlpha(e.Disabled ? 0.5f : 1.0f);
        if (e.IconImage) DrawImageHandle(e.IconImage, px + 3, rowY + 1, KVX_WhiteColor);
        if (e.Checked == 1) {
            DrawImageHandle(e.CheckImage, px + 23, rowY + 2, s.MenuTint);
            DrawColoredText(e.EntryText, m.X + 36, rowY + 1, s.MenuText, KVX_GuiFont);
        } else {
            DrawColoredText(e.EntryText, m.X + 17, rowY + 1, s.MenuText, KVX_GuiFont);
        }
    }
    if (e.HasSubmenu) {
        DrawImageHandle(m.ArrowImage, m.X + m.PanelWidth, rowY + 2, s.MenuTint);
        if (e.Highlighted && e.Submenu) {
            // The sub-menu's panel starts level with its entry.
            e.Submenu->State = 1;
            e.Submenu->X = px + pw;
            e.Submenu->Y = rowY - L;
        }
    }
}

void DrawPanel(KVX_Menu& m, int& hovered) {
    const int L = KVX_LineHeight;
    const KVX_Scheme& s = KVX_SchemeColors;
    const int px = m.X - 5, py = m.Y + L, pw = m.PanelWidth + 25, ph = m.PanelHeight;
    SetAlpha(0.3f);
    Fill(px + 4, py + 4, pw, ph, KVX_BlackColor);
    SetAlpha(1.0f);
    DrawBevelRect(px, py, pw, ph, s.MenuFill, s.MenuEdgeA, s.MenuEdgeB, 1);
    Fill(px + 1, py + 1, 20, ph - 2, s.MenuHighlight1);
    if (m.Style == kSubmenuStyle) CloseMenusAfterHoveredPanel();
    int rowY = py + 1;
    // Index-based: the entries are only read and marked here, never added or removed.
    for (size_t i = 0; i < m.Entries.size(); ++i) {
        if (MouseOverOpenMenu(m)) {
            m.HighlightIndex(L > 0 ? (KVX_Mouse.Y - m.Y) / L : 0);
            hovered = 1;
        }
        const KVX_MenuItem& e = m.Entries[i];
        if (KVX_Mouse.LeftReleased && e.Highlighted && !e.HasSubmenu && !e.IsSeparator() && !e.Disabled &&
            MouseOverOpenMenu(m)) {
            m.SelectedEntry = e.EntryText;
            m.State = 0;
            MenuOpen = 0;
            CloseAllMenus(0);
            return;
        }
        DrawEntry(m, e, px, pw, rowY);
        rowY += L;
    }
}

void ReleaseImages(KVX_Menu& menu) {
    ReleaseHandleField(menu.ArrowImage);
    for (KVX_MenuItem& entry : menu.Entries) {
        ReleaseHandleField(entry.IconImage);
        ReleaseHandleField(entry.CheckImage);
    }
}

// The menu and every sub-menu below it, each once even when entries share one.
void CollectTree(KVX_Menu* menu, std::unordered_set<KVX_Menu*>& tree) {
    if (!menu || !tree.insert(menu).second) return;
    for (const KVX_MenuItem& entry : menu->Entries) CollectTree(entry.Submenu.get(), tree);
}

// The titles side by side from the left, in their order; without any the bar goes.
void LayOutBar() {
    MenuBarNextX = 0;
    for (const KVX_MenuRef& menu : AllMenus) {
        if (menu->Style != kTitleStyle) continue;
        menu->X = KVX_MenuTitleX(MenuBarNextX);
        MenuBarNextX += menu->TitleWidth;
    }
    if (MenuBarNextX > 0) return;
    ReleaseHandleField(MenuBarImage);
    MenuBarExists = 0;
    MenuOpen = 0;
}

}  // namespace

int32_t KVX_MenuTitleWidth(const std::string& title) { return GuiTextWidth(title) + kTitleMargin; }
int32_t KVX_MenuTitleX(int32_t taken) { return taken + kBarStart; }

void KVX_Menu::Free() {
    std::unordered_set<KVX_Menu*> tree;
    CollectTree(this, tree);
    const bool onBar = std::erase_if(AllMenus, [&](const KVX_MenuRef& m) { return tree.contains(m.get()); }) > 0;
    for (KVX_Menu* menu : tree) {
        ReleaseImages(*menu);
        if (menu != this) menu->Entries.clear();
    }
    Entries.clear();
    if (onBar) LayOutBar();
    KVX_Gadget::Free();
}

KVX_MenuRef KVX_Menu::Create(const std::string& title) {
    KVX_MenuRef menu = MakeMenu(kTitleStyle);
    menu->Text = title;
    menu->TitleWidth = KVX_MenuTitleWidth(title);
    menu->X = KVX_MenuTitleX(MenuBarNextX);
    menu->Y = 0;
    menu->Width = GraphicsWidth();
    menu->Height = KVX_MenuBarHeight;
    menu->PanelWidth = GuiTextWidth(title);
    menu->PanelHeight = 3;
    if (MenuBarExists == 0) {
        ReleaseHandleField(MenuBarImage);
        MenuBarImage = LoadBarImage();
    }
    MenuBarNextX += menu->TitleWidth;
    MenuBarExists = 1;
    AllMenus.push_back(menu);
    return menu;
}

KVX_MenuRef KVX_Menu::CreateSubmenu(const KVX_MenuRef& parentMenu, const std::string& entryText) {
    KVX_MenuRef menu = MakeMenu(kSubmenuStyle);
    if (parentMenu) parentMenu->AttachSubmenu(entryText, menu);
    menu->X = 200;  // replaced whenever it opens
    menu->Y = 200;
    menu->PanelWidth = 100;
    menu->PanelHeight = 100;
    AllMenus.push_back(menu);
    return menu;
}

void KVX_Menu::AddEntry(const std::string& text, const std::string& iconPath) {
    KVX_MenuItem entry;
    entry.EntryText = text;
    if (!iconPath.empty()) entry.IconImage = LoadIcon(iconPath);
    entry.CheckImage = LoadIcon(SkinPath("Menu_Checkmark.png"));
    Entries.push_back(std::move(entry));
    FitPanel();
}

int32_t KVX_Menu::SetEntryDisabled(const std::string& text, int flag) {
    KVX_MenuItem* entry = FindEntry(text);
    if (!entry) return 0;
    entry->Disabled = uint8_t(flag);
    return 1;
}

void KVX_Menu::HighlightIndex(int index) {
    int n = 0;
    for (KVX_MenuItem& entry : Entries) entry.Highlighted = ++n == index ? 1 : 0;
}

int32_t KVX_Menu::RemoveEntry(const std::string& text) {
    KVX_MenuItem* entry = FindEntry(text);
    if (!entry) return 0;
    ReleaseHandleField(entry->IconImage);
    ReleaseHandleField(entry->CheckImage);
    Entries.erase(Entries.begin() + (entry - Entries.data()));
    FitPanel();
    return 1;
}

int32_t KVX_Menu::SetChecked(const std::string& text, int flag) {
    for (KVX_MenuItem& entry : Entries) {
        if (!entry.HasSubmenu && SameTextIgnoringCase(entry.EntryText, text)) {
            entry.Checked = flag;
            return 1;
        }
    }
    return 0;
}

void KVX_Menu::AttachSubmenu(const std::string& text, const KVX_MenuRef& submenu) {
    KVX_MenuItem* entry = FindEntry(text);
    if (!entry) return;
    entry->Submenu = submenu;
    entry->HasSubmenu = 1;
}

KVX_MenuItem* KVX_Menu::FindEntry(const std::string& text) {
    for (KVX_MenuItem& entry : Entries) {
        if (SameTextIgnoringCase(entry.EntryText, text)) return &entry;
    }
    return nullptr;
}

void KVX_Menu::FitPanel() {
    int widest = 0;
    for (const KVX_MenuItem& entry : Entries) widest = std::max(widest, GuiTextWidth(entry.EntryText));
    PanelWidth = std::max(widest + 20, TitleWidth);
    PanelHeight = int32_t(Entries.size()) * KVX_LineHeight + 2;
}

void CloseAllMenus(int clearHighlights) {
    for (const KVX_MenuRef& menu : AllMenus) {
        menu->State = 0;
        if (clearHighlights == 1) menu->HighlightIndex(-1);
    }
    MenuOpen = 0;
}

int32_t MouseOverOpenMenu(const KVX_Menu& menu) {
    return menu.State == 1 &&
                   KVX_Mouse.MouseIn(menu.X - 5, menu.Y + KVX_LineHeight, menu.PanelWidth + 25, menu.PanelHeight, false)
               ? 1
               : 0;
}

void DrawMenus() {
    if (MenuBarExists != 1) return;
    int hovered = 0;
    SetBlend(kAlphaBlend);
    SetAlpha(1.0f);
    DrawImageHandle(MenuBarImage, 0, 0, KVX_SchemeColors.MenuTint);
    for (const KVX_MenuRef& m : AllMenus) {
        DrawTitle(*m, hovered);
        if (m->State == 1) DrawPanel(*m, hovered);
    }
    if (KVX_Mouse.LeftReleased && hovered == 0) CloseAllMenus(1);
    ResetDrawState();
}

KVX_MenuBarSet KVX_TakeMenus() {
    KVX_MenuBarSet set{std::move(AllMenus), MenuBarNextX, MenuBarExists};
    AllMenus.clear();
    ReleaseHandleField(MenuBarImage);
    MenuBarNextX = 0;
    MenuBarExists = 0;
    MenuOpen = 0;
    return set;
}

void KVX_RestoreMenus(KVX_MenuBarSet set) {
    KVX_ResetMenus();
    for (const KVX_MenuRef& menu : set.Menus) {
        menu->State = 0;
        if (menu->Style == kTitleStyle) menu->Width = GraphicsWidth();
    }
    AllMenus = std::move(set.Menus);
    MenuBarNextX = set.NextX;
    MenuBarExists = set.Exists;
    if (MenuBarExists) MenuBarImage = LoadBarImage();
}

void KVX_ResetMenus() {
    for (const KVX_MenuRef& menu : AllMenus) {
        ReleaseImages(*menu);
        // Entries hold their sub-menus; clearing them also breaks any cycle of attachments.
        menu->Entries.clear();
    }
    AllMenus.clear();
    ReleaseHandleField(MenuBarImage);
    MenuBarNextX = 0;
    MenuBarExists = 0;
    MenuOpen = 0;
}

}  // namespace kvx
