// Menus: a title on the screen's menu bar and its entries, sub-menus within them (see
// design/menu_entries.hpp for how the entries' lines read).
#include "design/cpp_text.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "design/menu_entries.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kCaptionKey, kItemsKey};
// clang-format on

constexpr PropertyField kRows[] = {
    {.Label = "Entries", .Kind = PropertyField::Type::Items, .Hint = "> sub-menu   * checked   ~ disabled   - line"}};

KVX_GadgetRef Create(DesignedGadget& r) {
    const KVX_MenuRef menu = KVX_Menu::Create(r.Caption);
    AddMenuEntries(menu, ReadMenuLines(r.Items));
    return menu;
}

std::string Refusal(const DesignedGadget& r) {
    if (r.Caption.empty()) return "A menu needs a title";
    return MenuLinesProblem(r.Items);
}

// clang-format off
constexpr MenuCallSpelling kCpp{
    .Call = [](const std::string& menu, const char* function, const std::string& arguments) {
        return menu + "->" + function + "(" + arguments + ");"; },
    .Submenu = [](const std::string& name, const std::string& menu, const std::string& text) {
        return "const kvx::KVX_MenuRef " + name + " = kvx::KVX_Menu::CreateSubmenu(" + menu + ", " + text + ");"; },
    .Quote = CppStringLiteral, .OpenScope = "{", .CloseScope = "}", .Indent = "    "};
constexpr MenuCallSpelling kSource{
    .Call = [](const std::string& menu, const char* function, const std::string& arguments) {
        return menu + "." + function + "(" + arguments + ")"; },
    .Submenu = [](const std::string& name, const std::string& menu, const std::string& text) {
        return "Local " + name + ":KVX_Menu=KVX_Menu.CreateSubmenu(" + menu + "," + text + ")"; },
    .Quote = [](const std::string& text) { return "\"" + text + "\""; }, .OpenScope = "", .CloseScope = "", .Indent = ""};
// clang-format on

Creation Export(const DesignedGadget& r, const std::string&) {
    Creation creation{"KVX_Menu", Arguments().Quoted(r.Caption)};
    creation.Then = MenuEntryCalls(ReadMenuLines(r.Items), r.Handle, kSource);
    return creation;
}

}  // namespace

// clang-format off
const KindDescription kMenuKind{
    .Word = "Menu", .PaletteCaption = "Menu - Popup", .Keys = kKeys,
    .Defaults = [](DesignedGadget& r, const Band&) { r.Items = {"Entry 1", "Entry 2"}; }, .Create = Create,
    .CppType = "KVX_MenuRef",
    .CppCreate = [](const DesignedGadget& r, const std::string&) {
        return "kvx::KVX_Menu::Create(" + CppStringLiteral(r.Caption) + ")"; },
    .CppThen = [](const DesignedGadget& r, const std::string& member) {
        return MenuEntryCalls(ReadMenuLines(r.Items), member, kCpp); },
    .Properties = kRows, .Refusal = Refusal, .Export = Export, .OnMenuBar = true, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
