#include "studio/property_rows.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "core/focus.hpp"
#include "core/skin.hpp"
#include "dialogs/color_requester.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/color_icon.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"
#include "gadgets/push_button.hpp"
#include "platform/files.hpp"
#include "platform/platform.hpp"
#include "studio/ask_path.hpp"
#include "studio/current_file.hpp"
#include "studio/items_dialog.hpp"
#include "studio/live_gadget.hpp"
#include "studio/selection.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

using Type = PropertyField::Type;

constexpr int kRowStep = 25, kLabelX = 20, kFieldX = 95, kFieldChars = 8, kPathChars = 17, kMostChars = 1024;
constexpr int kButtonX = 95, kButtonWidth = 70, kSwatchWidth = 20, kSwatchX = 70, kMarkX = 13, kChoiceWidth = 72;
constexpr int kFirstRow = kPropertyFrameTop + 17, kProblemY = kPropertyFrameTop + kPropertyFrameHeight - 22;
constexpr uint8_t kAlignedLeft = 1;
constexpr char kMarkSign = '!';
constexpr int kProblemWidth = 145;

struct Row {
    const PropertyField* Field = nullptr;
    KVX_LabelRef Caption, Mark;
    KVX_InputRef Text;       // numbers and pictures
    KVX_CheckboxRef Box;     // flags
    KVX_PushButtonRef Open;  // items, colours, the picture requester
    KVX_ColorIconRef Swatch;
    KVX_ComboRef Choice;
    std::string Shown;  // what the row shows of the record
};

struct Rows {
    std::vector<Row> List;
    std::vector<KVX_GadgetRef> Gadgets;  // every gadget the rows made, freed with them
    KVX_LabelRef Problem;
};
Rows g_rows;

template <class G>
std::shared_ptr<G> Keep(std::shared_ptr<G> gadget) {
    AttachToTab(gadget, Studio().StudioTabs, "Modify");
    g_rows.Gadgets.push_back(gadget);
    return gadget;
}

KVX_LabelRef Caption(const std::string& text, int y, const KVX_ColorRef& colour) {
    return Keep(KVX_Label::Create(Studio().StudioWindow, text, kLabelX, y + 2, kAlignedLeft, colour));
}

std::string NumberShown(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", double(value));
    return text;
}

// What the row shows of the record: the text of its field, or a summary beside its button.
std::string ShownText(const PropertyField& f, const DesignedGadget& r) {
    switch (f.Kind) {
        case Type::Number: return NumberShown(r.*f.Number);
        case Type::Whole: return std::to_string(r.*f.Whole);
        case Type::Flag: return std::to_string(r.*f.Flag);
        case Type::Picture: return r.*f.Path;
        case Type::Items: return std::string(f.Label) + ": " + std::to_string(r.Items.size());
        case Type::Colour: return r.CustomColor ? std::to_string(ToARGB(r.CustomColor) & 0xFFFFFF) : std::string();
        case Type::Choice: return f.Choices[std::clamp<size_t>(r.*f.Flag, 1, f.Choices.size()) - 1];
    }
    return "";
}

// Without a colour of its own, a text shows in the scheme's.
const KVX_ColorRef& ShownColor(const DesignedGadget& r) {
    return r.CustomColor ? r.CustomColor : KVX_SchemeColors.GadgetText;
}

void Show(Row& row, const DesignedGadget& r) {
    row.Shown = ShownText(*row.Field, r);
    if (row.Text) row.Text->Text = row.Shown;
    if (row.Box) row.Box->State = r.*row.Field->Flag;
    if (row.Field->Kind == Type::Items) row.Caption->Text = row.Shown;
    if (row.Choice) row.Choice->SelectItem(row.Shown, 1);
    const KVX_ColorRef& shown = ShownColor(r);
    if (row.Swatch) row.Swatch->FillColor = KVX_Color::Create(shown->Red, shown->Green, shown->Blue);
}

// Builds one row from y; returns the y of the next.
int BuildRow(Row& row, const DesignedGadget& r, int y) {
    const KVX_WindowRef& w = Studio().StudioWindow;
    const KVX_ColorRef text = KVX_SchemeColors.FrameText;
    switch (row.Field->Kind) {
        case Type::Number:
        case Type::Whole:
            row.Caption = Caption(row.Field->Label, y, text);
            row.Text = Keep(KVX_Input::Create(w, "", kFieldX, y, kFieldChars, kMostChars));
            break;
        case Type::Flag: row.Box = Keep(KVX_Checkbox::Create(w, row.Field->Label, kLabelX, y + 3, 0)); break;
        case Type::Picture:
            row.Caption = Caption(row.Field->Label, y, text);
            row.Open = Keep(KVX_PushButton::Create(w, "Choose...", kButtonX, y, kButtonWidth));
            y += kRowStep;
            row.Text = Keep(KVX_Input::Create(w, "", kLabelX, y, kPathChars, kMostChars));
            break;
        case Type::Items:
            row.Caption = Caption("", y, text);
            row.Open = Keep(KVX_PushButton::Create(w, "Edit...", kButtonX, y, kButtonWidth));
            break;
        case Type::Choice:
            row.Caption = Caption(row.Field->Label, y, text);
            row.Choice = Keep(KVX_Combo::Create(w, kFieldX, y, kChoiceWidth));
            for (const char* choice : row.Field->Choices) row.Choice->AddItem(choice, "");
            break;
        case Type::Colour:
            row.Caption = Caption(row.Field->Label, y, text);
            row.Swatch = Keep(
                KVX_ColorIcon::Create(w, kSwatchX, y + 2, kSwatchWidth, kSwatchWidth - 4, KVX_Color::Create(0, 0, 0)));
            row.Open = Keep(KVX_PushButton::Create(w, "Choose...", kButtonX, y, kButtonWidth));
            break;
    }
    row.Mark = Keep(KVX_Label::Create(w, "", kMarkX, y + 2, kAlignedLeft, KVX_Color::Create(255, 110, 90)));
    Show(row, r);
    return y + kRowStep;
}

void FreeRows() {
    for (const KVX_GadgetRef& g : g_rows.Gadgets) g->Free();
    g_rows = Rows{};
}

// A number as typed: all of it a number, or nothing.
bool ReadTyped(const std::string& text, double& number) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    number = std::strtod(text.c_str(), &end);
    return *end == '\0' && errno == 0;
}

// The value typed into the row, put into a record; false when it is no value of the row's type.
bool PutTyped(const PropertyField& f, const std::string& text, DesignedGadget& r) {
    double number = 0;
    switch (f.Kind) {
        case Type::Number:
            if (!ReadTyped(text, number)) return false;
            r.*f.Number = float(number);
            return true;
        case Type::Whole:
            if (!ReadTyped(text, number) || number != double(int32_t(number))) return false;
            r.*f.Whole = int32_t(number);
            return true;
        case Type::Picture: r.*f.Path = text; return true;
        default: return false;
    }
}

// Changes the shown record and the selected records of its kind, each as far as its kind allows;
// a refusal of the shown record's marks the row and changes nothing.
void Take(Row& row, DesignedGadget& shown, const std::function<bool(DesignedGadget&)>& change) {
    const KindDescription& kind = shown.Info();
    const auto refusal = [&](DesignedGadget& r) {
        DesignedGadget edited = r;
        if (!change(edited)) return std::string(row.Field->Kind == Type::Whole ? "Not a whole number" : "Not a number");
        return kind.Refusal ? kind.Refusal(edited) : std::string();
    };
    const std::string problem = refusal(shown);
    g_rows.Problem->Text = problem;
    if (!problem.empty()) {
        row.Mark->Text.assign(1, kMarkSign);
        Show(row, shown);
        return;
    }
    for (Row& other : g_rows.List) other.Mark->Text.clear();  // the old values are all shown again
    for (const DesignedGadgetRef& r : Selection()) {
        if (r.get() != &shown && &r->Info() == &kind && refusal(*r).empty()) {
            change(*r);
            RebuildLive(*r);
        }
    }
    change(shown);
    RebuildLive(shown);
    Show(row, shown);
    NoteDesignChange();
}

// A path under the working folder is kept relative to it, as placed pictures are.
std::string AsDesignPath(const std::string& path) {
    const std::string here = CurrentDir();
    const std::string prefix = here.empty() || here.back() == '/' ? here : here + "/";
    return !prefix.empty() && path.rfind(prefix, 0) == 0 ? "./" + path.substr(prefix.size()) : path;
}

void RowStep(Row& row, DesignedGadget& r) {
    const PropertyField& f = *row.Field;
    if (row.Text && row.Text->Text != row.Shown && !KVX_HasFocus(*row.Text)) {
        const std::string typed = row.Text->Text;
        Take(row, r, [&](DesignedGadget& d) { return PutTyped(f, typed, d); });
    }
    if (row.Choice && !row.Choice->SelectedText.empty() && row.Choice->SelectedText != row.Shown) {
        const auto at = std::find(f.Choices.begin(), f.Choices.end(), row.Choice->SelectedText);
        const uint8_t chosen = uint8_t(at - f.Choices.begin() + 1);
        Take(row, r, [&](DesignedGadget& d) { return (d.*f.Flag = chosen, true); });
    }
    if (row.Box && row.Box->State != r.*f.Flag) {
        const uint8_t state = row.Box->State;
        Take(row, r, [&](DesignedGadget& d) { return (d.*f.Flag = state, true); });
    }
    if (row.Open && row.Open->Clicked()) {
        if (f.Kind == Type::Picture) {
            const std::string path = AskDesignPath("Picture", ".png|.*", ".png", 0);
            if (!path.empty()) Take(row, r, [&](DesignedGadget& d) { return PutTyped(f, AsDesignPath(path), d); });
        } else if (f.Kind == Type::Items) {
            if (const auto items = EditItems(r.Handle + " - " + f.Label, r.Items, f.Hint)) {
                Take(row, r, [&](DesignedGadget& d) { return (d.Items = *items, true); });
            }
        } else if (f.Kind == Type::Colour) {
            const KVX_ColorRef& c = ShownColor(r);
            KVX_ColorRequester("Colour", c->Red, c->Green, c->Blue);
            int red = 0, green = 0, blue = 0;
            GetColor(red, green, blue);
            Take(row, r,
                 [&](DesignedGadget& d) { return (d.CustomColor = KVX_Color::Create(red, green, blue), true); });
        }
    }
    // Another command may have changed the record since: the row follows, unless being typed in.
    if (ShownText(f, r) != row.Shown && !(row.Text && KVX_HasFocus(*row.Text))) Show(row, r);
}

}  // namespace

void ShowProperties(const DesignedGadget* record) {
    FreeRows();
    if (!record || !Studio().StudioWindow) return;
    g_rows.Problem = Caption("", kProblemY, KVX_Color::Create(255, 110, 90));
    g_rows.Problem->Clip = KVX_ClipBox{kLabelX, kProblemY, kProblemWidth, kRowStep};  // long paths are cut
    int y = kFirstRow;
    for (const PropertyField& field : record->Info().Properties) {
        Row& row = g_rows.List.emplace_back();
        row.Field = &field;
        y = BuildRow(row, *record, y);
    }
}

void PropertyRowsStep(DesignedGadget& record) {
    for (Row& row : g_rows.List) RowStep(row, record);
}

}  // namespace kvx::studio
