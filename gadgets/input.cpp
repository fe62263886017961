#include "gadgets/input.hpp"

#include <algorithm>
#include <utility>

#include "core/drawing.hpp"
#include "core/focus.hpp"
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "core/text_helpers.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

int LoadBody(const std::string& file, int width, int height) {
    return LoadSizedImage(SkinPath(file), width, height, ToARGB(KVX_SchemeColors.InputEdgeA),
                          ToARGB(KVX_SchemeColors.InputEdgeB), 2);
}

// In the order a frame applies them when several are typed at once.
constexpr std::pair<int, const char*> kEditingKeys[] = {
    {KEY_ESCAPE, "KEY_ESCAPE"}, {KEY_RIGHT, "KEY_RIGHT"}, {KEY_LEFT, "KEY_LEFT"},     {KEY_HOME, "KEY_HOME"},
    {KEY_END, "KEY_END"},       {KEY_ENTER, "KEY_ENTER"}, {KEY_DELETE, "KEY_DELETE"}, {KEY_BACKSPACE, "KEY_BACKSPACE"},
};

}  // namespace

std::string ReadEditingKey() {
    for (const auto& [key, name] : kEditingKeys) {
        if (KeyTyped(key)) return name;
    }
    return "";
}

std::string ReadKey() {
    const std::string key = ReadEditingKey();
    if (!key.empty()) return key;
    const int code = GetChar();
    return code != 0 ? std::string(1, char(code)) : std::string();
}

KVX_InputRef KVX_Input::Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int numChar,
                               int maxChar) {
    auto input = MakeGadget<KVX_Input>();
    input->Parent = parent;
    input->Text = text;
    input->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));
    input->X = x;
    input->Y = y;
    SetImageFont(KVX_BitmapFont);
    input->NumChar = numChar;
    // Never 0: the caret column is a division by it.
    input->CharWidth = std::max(TextWidth("0"), 1);
    input->Width = numChar * input->CharWidth + 5;
    input->MaxChar = maxChar;
    input->Height = KVX_LineHeight + 1;
    input->UnselectImage = LoadBody("Input_Unselect.png", input->Width, input->Height);
    input->SelectImage = LoadBody("Input_Select.png", input->Width, input->Height);
    input->Color = nullptr;
    KVX_AddChild(parent, input);
    return input;
}

void KVX_Input::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        SetViewport(ax, ay, Width, Height);
        // A drop-down or menu open over the field holds its keys, not its focus.
        const bool usable = ParentEnabled(parent) && Disabled == 0;
        const bool takesInput = usable && ComboOpen == 0 && MenuOpen == 0;
        if (usable) {
            TakeOrLoseFocus(ax, ay, takesInput);
            KVX_KeepFocus(*this);
        }
        ScrollToCaret();
        const bool editing = takesInput && KVX_HasFocus(*this);
        bool visible = true;
        if (editing) {
            if (ClickSound && !ClickLatch) {
                PlaySound(SoundFromHandle(ClickSound));
                ClickLatch = 1;
            }
            // Each press acts at once and repeats only while held (the platform times the
            // repeats); typed characters follow in the order they came.
            for (const auto& [key, name] : kEditingKeys) {
                if (visible && KeyTyped(key)) visible = ApplyKey(name);
            }
            for (int code = visible ? GetChar() : 0; code != 0; code = GetChar()) TypeCharacter(char(code));
        } else {
            ClickLatch = 0;
        }
        State = usable && KVX_HasFocus(*this) ? 1 : 0;
        if (visible) Draw(ax, ay, State == 1);
    }
    FinishUpdate(ax, ay);
}

void KVX_Input::TakeOrLoseFocus(int ax, int ay, bool mayTake) {
    if (!KVX_Mouse.LeftHit) return;
    const bool inside = KVX_Mouse.MouseIn(ax, ay, Width, Height, false);
    if (inside && mayTake) {
        KVX_TakeFocus(*this);
        // The caret lands before the clicked character of the visible part, never past the text.
        const int len = int(Text.size());
        const int column = std::clamp((KVX_Mouse.LeftPressX - ax) / CharWidth, 0, NumChar);
        CaretIndex = std::clamp(ScrollOffset + column, 0, len);
        CaretX = std::max(CaretIndex - ScrollOffset, 0) * CharWidth;
    } else if (!inside) {
        LoseFocus();
    }
}

void KVX_Input::LoseFocus() {
    KVX_ReleaseFocus(*this);
    ScrollOffset = 0;
}

void KVX_Input::ScrollToCaret() {
    if (CaretX >= NumChar * CharWidth) ScrollOffset = CaretIndex - NumChar;
    if (CaretX <= 0) ScrollOffset = std::max(CaretIndex, 0);
}

int KVX_Input::CaretXAtEnd() const { return std::clamp(int(Text.size()) - ScrollOffset, 0, NumChar) * CharWidth; }

bool KVX_Input::ApplyKey(const std::string& key) {
    const int len = int(Text.size());
    const int rightEdge = NumChar * CharWidth;
    if (key == "KEY_ENTER" || key == "KEY_ESCAPE") {
        LoseFocus();
        return false;
    }
    if (key == "KEY_HOME") {
        CaretX = CaretIndex = ScrollOffset = 0;
    } else if (key == "KEY_END") {
        CaretX = CaretXAtEnd();
        CaretIndex = len;
    } else if (key == "KEY_BACKSPACE") {
        if (CaretIndex - 1 < 0) {
            CaretIndex = CaretX = 0;
        } else {
            --CaretIndex;
            Text = DeleteChars(Text, CaretIndex, 1);
            // At the left edge the caret stays visible and the next frame scrolls the view back.
            CaretX = std::max(CaretX - CharWidth, 0);
        }
    } else if (key == "KEY_LEFT") {
        if (--CaretIndex < 0) {
            CaretIndex = CaretX = 0;
        } else {
            CaretX = std::max(CaretX - CharWidth, 0);
        }
    } else if (key == "KEY_RIGHT") {
        if (++CaretIndex > len) {
            CaretIndex = len;
            CaretX = CaretXAtEnd();
        } else {
            CaretX = std::min(CaretX + CharWidth, rightEdge);
        }
    } else if (key == "KEY_DELETE") {
        Text = DeleteChars(Text, CaretIndex, 1);
    } else {
        TypeCharacter(key[0]);
    }
    return true;
}

void KVX_Input::TypeCharacter(char c) {
    if (int(Text.size()) < MaxChar && static_cast<unsigned char>(c) > 15) {
        ++CaretIndex;
        Text = InsertString(Text, std::string(1, c), CaretIndex - 1);
        CaretIndex = std::min(CaretIndex, MaxChar);
        CaretX = std::min(CaretX + CharWidth, NumChar * CharWidth);
    }
}

void KVX_Input::Draw(int ax, int ay, bool editing) {
    DrawImageHandle(editing ? SelectImage : UnselectImage, ax, ay, KVX_SchemeColors.FieldTint, 0);
    if (editing) {
        if (KVX_SchemeColors.InputCaret) KVX_SchemeColors.InputCaret->Set();
        DrawRect(float(ax + 2 + CaretX), float(ay + 2), 2.f, float(Height - 4));
    }
    const size_t first = size_t(std::clamp(ScrollOffset, 0, int(Text.size())));
    DrawColoredText(Text.substr(first, size_t(std::max(NumChar, 0))), ax + 2, ay + 3, KVX_SchemeColors.InputText,
                    KVX_BitmapFont);
}

void KVX_Input::Free() {
    ReleaseHandleField(UnselectImage);
    ReleaseHandleField(SelectImage);
    KVX_Gadget::Free();
}

}  // namespace kvx
