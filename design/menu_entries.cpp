#include "design/menu_entries.hpp"

#include <algorithm>
#include <string_view>

namespace kvx::studio {
namespace {

constexpr char kLevelMark = '>', kCheckMark = '*', kDisabledMark = '~', kEscape = '\\';
// Far deeper than a menu is usable; it bounds what a hand-made file can ask for.
constexpr size_t kDeepestLevel = 16;
constexpr std::string_view kSeparatorLine = "-";
const char* const kToolkitSeparator = "[]";

struct Line {
    size_t Level = 0;
    MenuEntry Entry;
};

Line ReadLine(std::string_view text) {
    Line line;
    while (!text.empty() && text.front() == kLevelMark) {
        ++line.Level;
        text.remove_prefix(1);
    }
    line.Level = std::min(line.Level, kDeepestLevel);
    for (; !text.empty(); text.remove_prefix(1)) {
        if (text.front() == kCheckMark) {
            line.Entry.Checked = true;
        } else if (text.front() == kDisabledMark) {
            line.Entry.Disabled = true;
        } else {
            break;
        }
    }
    if (!text.empty() && text.front() == kEscape) {
        text.remove_prefix(1);
    } else if (text == kSeparatorLine) {
        line.Entry.Separator = true;
    }
    line.Entry.Text = text;
    return line;
}

// The menu a line of that level goes into: the entries of the last line one level up.
std::vector<MenuEntry>& MenuAt(std::vector<MenuEntry>& top, size_t level) {
    std::vector<MenuEntry>* menu = &top;
    for (size_t depth = 0; depth < level && !menu->empty(); ++depth) menu = &menu->back().Entries;
    return *menu;
}

void AddCalls(const std::vector<MenuEntry>& entries, const std::string& menu, const MenuCallSpelling& s,
              const std::string& indent, int& submenus, std::vector<std::string>& out) {
    for (const MenuEntry& e : entries) {
        const std::string text = s.Quote(e.Separator ? kToolkitSeparator : e.Text);
        out.push_back(indent + s.Call(menu, "AddEntry", text + ", " + s.Quote("")));
        if (e.Checked) out.push_back(indent + s.Call(menu, "SetChecked", text + ", 1"));
        if (e.Disabled) out.push_back(indent + s.Call(menu, "SetEntryDisabled", text + ", 1"));
    }
    for (const MenuEntry& e : entries) {
        if (e.Entries.empty() || e.Separator) continue;
        const bool scoped = *s.OpenScope != '\0';
        if (scoped) out.push_back(indent + s.OpenScope);
        const std::string inner = scoped ? indent + s.Indent : indent;
        const std::string name =
            scoped ? "submenu" + std::to_string(++submenus) : menu + "_" + std::to_string(++submenus);
        out.push_back(inner + s.Submenu(name, menu, s.Quote(e.Text)));
        AddCalls(e.Entries, name, s, inner, submenus, out);
        if (scoped) out.push_back(indent + s.CloseScope);
    }
}

}  // namespace

std::vector<MenuEntry> ReadMenuLines(const std::vector<std::string>& lines) {
    std::vector<MenuEntry> top;
    for (const std::string& text : lines) {
        Line line = ReadLine(text);
        MenuAt(top, line.Level).push_back(std::move(line.Entry));
    }
    return top;
}

std::string MenuLinesProblem(const std::vector<std::string>& lines) {
    size_t previousLevel = 0;
    bool previousOpens = false;  // the line above can open a sub-menu
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line line = ReadLine(lines[i]);
        const std::string name = "Line " + std::to_string(i + 1);
        if (line.Level > (i == 0 ? 0 : previousLevel + (previousOpens ? 1 : 0))) {
            return name + " has no entry above it to open it";
        }
        if (line.Entry.Text.empty()) return name + " is empty";
        previousLevel = line.Level;
        previousOpens = !line.Entry.Separator;
    }
    return "";
}

void AddMenuEntries(const KVX_MenuRef& menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& e : entries) {
        const std::string text = e.Separator ? kToolkitSeparator : e.Text;
        menu->AddEntry(text, "");
        if (e.Checked) menu->SetChecked(text, 1);
        if (e.Disabled) menu->SetEntryDisabled(text, 1);
    }
    // Sub-menus once every entry is there: each attaches to the first entry of its text.
    for (const MenuEntry& e : entries) {
        if (!e.Entries.empty() && !e.Separator) AddMenuEntries(KVX_Menu::CreateSubmenu(menu, e.Text), e.Entries);
    }
}

std::vector<std::string> MenuEntryCalls(const std::vector<MenuEntry>& entries, const std::string& menu,
                                        const MenuCallSpelling& spelling) {
    std::vector<std::string> out;
    int submenus = 0;
    AddCalls(entries, menu, spelling, "", submenus, out);
    return out;
}

}  // namespace kvx::studio
