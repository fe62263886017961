#include "studio/items_dialog.hpp"

#include <algorithm>
#include <utility>

#include "core/skin.hpp"
#include "dialogs/choice_buttons.hpp"
#include "dialogs/modal_loop.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/push_button.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

constexpr int kWidth = 330, kHeight = 300, kDialogStyle = 20, kMargin = 10;
constexpr int kListWidth = 200, kListLines = 9, kFieldChars = 26, kMostChars = 1024;
constexpr int kButtonX = 220, kButtonWidth = 100, kButtonStep = 25, kFieldY = 205, kChoiceY = 240, kCancelX = 220;
constexpr int kHintY = 232, kHintHeight = 18, kAlignedLeft = 1;

struct ItemsForm {
    KVX_ListboxRef List;
    KVX_InputRef Text;
    KVX_PushButtonRef Add, Rename, Remove, Up, Down;
};

ItemsForm BuildForm(const KVX_WindowRef& window) {
    ItemsForm form;
    form.List = KVX_Listbox::Create(window, kMargin, kMargin, kListWidth, kListLines);
    form.Text = KVX_Input::Create(window, "", kMargin, kFieldY, kFieldChars, kMostChars);
    int y = kMargin;
    for (auto [button, caption] : {std::pair{&form.Add, "Add"},
                                   {&form.Rename, "Rename"},
                                   {&form.Remove, "Remove"},
                                   {&form.Up, "Up"},
                                   {&form.Down, "Down"}}) {
        *button = KVX_PushButton::Create(window, caption, kButtonX, y, kButtonWidth);
        y += kButtonStep;
    }
    return form;
}

// The selected line, or none.
std::optional<size_t> Chosen(const ItemsForm& form) {
    const auto& lines = form.List->ItemList;
    const auto at = std::find_if(lines.begin(), lines.end(), [](const KVX_ListItem& line) { return line.Selected; });
    if (at == lines.end()) return std::nullopt;
    return size_t(at - lines.begin());
}

void ShowItems(const ItemsForm& form, const std::vector<std::string>& items, std::optional<size_t> chosen) {
    form.List->ClearItems();
    for (const std::string& item : items) form.List->AddItem(item, "");
    if (chosen && *chosen < items.size()) form.List->SelectIndex(int(*chosen) + 1);
}

// One button's command on the items; true when it changed them.
bool ApplyButtons(const ItemsForm& form, std::vector<std::string>& items) {
    const std::optional<size_t> chosen = Chosen(form);
    const std::string& text = form.Text->Text;
    if (form.Add->Clicked() && !text.empty()) {
        const size_t at = chosen ? *chosen + 1 : items.size();
        items.insert(items.begin() + std::ptrdiff_t(at), text);
        ShowItems(form, items, at);
        form.Text->Text.clear();  // ready for the next line
        form.Text->CaretIndex = form.Text->CaretX = 0;
        return true;
    }
    if (!chosen) return false;
    const size_t i = *chosen;
    if (form.Rename->Clicked() && !text.empty()) {
        items[i] = text;
    } else if (form.Remove->Clicked()) {
        items.erase(items.begin() + std::ptrdiff_t(i));
        ShowItems(form, items, std::min(i, items.size() - (items.empty() ? 0 : 1)));
        return true;
    } else if (form.Up->Clicked() && i > 0) {
        std::swap(items[i], items[i - 1]);
        ShowItems(form, items, i - 1);
        return true;
    } else if (form.Down->Clicked() && i + 1 < items.size()) {
        std::swap(items[i], items[i + 1]);
        ShowItems(form, items, i + 1);
        return true;
    } else {
        return false;
    }
    ShowItems(form, items, i);
    return true;
}

}  // namespace

std::optional<std::vector<std::string>> EditItems(const std::string& title, std::vector<std::string> items,
                                                  const char* hint) {
    const int hintHeight = hint ? kHintHeight : 0, height = kHeight + hintHeight;
    const KVX_WindowRef window =
        KVX_Window::Create(title, GraphicsWidth() / 2 - kWidth / 2, GraphicsHeight() / 2 - height / 2, kWidth, height,
                           0, 0, 0, kDialogStyle);
    const ItemsForm form = BuildForm(window);
    if (hint) KVX_Label::Create(window, hint, kMargin, kHintY, kAlignedLeft, KVX_SchemeColors.DialogText);
    const ChoiceButtons buttons = CreateChoiceButtons(window, "Ok", kCancelX, kChoiceY + hintHeight);
    ShowItems(form, items, std::nullopt);
    ModalSession session(window);
    std::optional<size_t> picked;
    bool confirmed = false;
    session.Run([&] {
        // A line picked puts its text in the field, ready to be renamed.
        if (const std::optional<size_t> now = Chosen(form); now != picked) {
            picked = now;
            if (now) form.Text->Text = items[*now];
        }
        if (ApplyButtons(form, items)) picked = Chosen(form);
        confirmed = buttons.Confirm->Clicked() != 0;
        return confirmed || buttons.Cancel->Clicked() != 0 || CancelKeyPressed();
    });
    if (!confirmed) return std::nullopt;
    return items;
}

}  // namespace kvx::studio
