#pragma once
// A menu's entries as the designer keeps them: one line each, in the menu's Items. Leading marks
// say where a line goes and how it shows: one ">" per level of sub-menu (the line belongs to the
// sub-menu of the nearest line above it one level up), then "*" for a check mark and "~" for a
// disabled entry, in either order. A line of only "-" is a separator. A "\" before the text lets
// it start with one of the marks.
#include <string>
#include <vector>

#include "gadgets/menu.hpp"

namespace kvx::studio {

struct MenuEntry {
    std::string Text;
    bool Separator = false, Checked = false, Disabled = false;
    std::vector<MenuEntry> Entries;  // of the sub-menu it opens
};

// The tree of the lines; a line too deep for the one above it joins the deepest menu it can.
std::vector<MenuEntry> ReadMenuLines(const std::vector<std::string>& lines);
// Why the lines make no menu the toolkit can show ("Line 3 has no entry above it to open it"), or
// "" when they do.
std::string MenuLinesProblem(const std::vector<std::string>& lines);

// The entries added to a live menu, sub-menus made for those that open one.
void AddMenuEntries(const KVX_MenuRef& menu, const std::vector<MenuEntry>& entries);

// The calls that add the entries to a menu in generated code, one statement a line.
struct MenuCallSpelling {
    // "Menu1->AddEntry(\"Open\", \"\");" for the menu named `menu` and the quoted text.
    std::string (*Call)(const std::string& menu, const char* function, const std::string& arguments);
    // The statement that makes sub-menu `name` of `menu`'s entry `text` (quoted).
    std::string (*Submenu)(const std::string& name, const std::string& menu, const std::string& text);
    std::string (*Quote)(const std::string& text);
    const char* OpenScope;  // around a sub-menu's lines; "" for none
    const char* CloseScope;
    const char* Indent;  // one more for every scope
};
std::vector<std::string> MenuEntryCalls(const std::vector<MenuEntry>& entries, const std::string& menu,
                                        const MenuCallSpelling& spelling);

}  // namespace kvx::studio
