#pragma once
// The menu bar across the top of the screen and its pop-up menus with cascading sub-menus.
// Menus belong to no window: DrawMenus draws and operates all of them after the windows.
#include <vector>

#include "core/gadget.hpp"

namespace kvx {

class KVX_Menu;
using KVX_MenuRef = std::shared_ptr<KVX_Menu>;

struct KVX_MenuItem {
    uint8_t Disabled = 0;
    std::string EntryText;  // exactly "[]" makes a separator
    int32_t IconImage = 0;
    int32_t CheckImage = 0;
    KVX_MenuRef Submenu;
    uint8_t HasSubmenu = 0;
    uint8_t Highlighted = 0;
    int32_t Checked = 0;

    bool IsSeparator() const { return EntryText == "[]"; }
};

// State: 1 while the menu's panel is open, else 0.
class KVX_Menu : public KVX_Gadget {
public:
    int32_t PanelWidth = 0;
    int32_t PanelHeight = 0;
    int32_t TitleWidth = 0;
    int32_t ArrowImage = 0;
    std::string SelectedEntry;
    std::vector<KVX_MenuItem> Entries;

    uint8_t Kind() const override { return KVX_KindMenu; }
    // A new title on the bar (Style 10).
    static KVX_MenuRef Create(const std::string& title);
    // A new sub-menu (Style 20) opened by parentMenu's first entry of that text.
    static KVX_MenuRef CreateSubmenu(const KVX_MenuRef& parentMenu, const std::string& entryText);
    // Menus are never children; DrawMenus does their per-frame work.
    void Update(KVX_Gadget*) override {}
    // Takes the menu and the sub-menus its entries open off the bar; the titles after it close up.
    void Free() override;
    void AddEntry(const std::string& text, const std::string& iconPath);
    int32_t SetEntryDisabled(const std::string& text, int flag);
    void HighlightIndex(int index);  // 1-based; -1 clears every mark
    int32_t RemoveEntry(const std::string& text);
    int32_t SetChecked(const std::string& text, int flag);
    void AttachSubmenu(const std::string& text, const KVX_MenuRef& submenu);

private:
    KVX_MenuItem* FindEntry(const std::string& text);
    void FitPanel();
};

// Every title and sub-menu, in creation order; they live until KVX_ResetMenus.
extern std::vector<KVX_MenuRef> AllMenus;
extern int32_t MenuBarNextX;
extern int32_t MenuBarImage;

// The width a title takes on the bar, and where a title starts after `taken` pixels of titles.
int32_t KVX_MenuTitleWidth(const std::string& title);
int32_t KVX_MenuTitleX(int32_t taken);

void CloseAllMenus(int clearHighlights);
int32_t MouseOverOpenMenu(const KVX_Menu& menu);
// The refresh pass: the bar, the open menus and their mouse handling.
void DrawMenus();
// Forgets every menu and the bar, releasing their images; for a toolkit that starts over.
void KVX_ResetMenus();

// An application's menu bar, held apart while a dialog starts the toolkit over for itself.
struct KVX_MenuBarSet {
    std::vector<KVX_MenuRef> Menus;
    int32_t NextX = 0;
    int32_t Exists = 0;
};
// Takes every menu out of the toolkit, which is left with none.
KVX_MenuBarSet KVX_TakeMenus();
// Puts them back in place of the toolkit's, the bar drawn for the display open now.
void KVX_RestoreMenus(KVX_MenuBarSet set);

}  // namespace kvx
