#pragma once
// A one-line text field, a fixed number of characters wide, edited with the keyboard while it has
// the toolkit's focus (core/focus.hpp). State mirrors the focus: 1 while editing.
#include <string>

#include "core/gadget.hpp"

namespace kvx {

class KVX_Input;
using KVX_InputRef = std::shared_ptr<KVX_Input>;

class KVX_Input : public KVX_Gadget {
public:
    int32_t CaretX = 0;      // pixels from the first visible character, a multiple of CharWidth
    int32_t CaretIndex = 0;  // characters before the caret
    int32_t NumChar = 0;     // visible characters
    int32_t MaxChar = 0;     // longest text accepted from typing
    int32_t CharWidth = 0;
    int32_t ScrollOffset = 0;  // characters scrolled out to the left
    int32_t UnselectImage = 0;
    int32_t SelectImage = 0;

    uint8_t Kind() const override { return KVX_KindInputbox; }
    static KVX_InputRef Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int numChar,
                               int maxChar);
    void Update(KVX_Gadget* parent) override;
    void Free() override;

private:
    // A press inside takes the focus (when `mayTake`), one outside gives it up.
    void TakeOrLoseFocus(int ax, int ay, bool mayTake);
    void LoseFocus();
    void ScrollToCaret();
    // False when the key ends editing, in which case nothing is drawn this frame.
    bool ApplyKey(const std::string& key);
    void TypeCharacter(char c);
    // The caret column after the last character, limited to the field.
    int CaretXAtEnd() const;
    void Draw(int ax, int ay, bool editing);
};

// The next key of the field: the name of the first editing key typed in this frame ("KEY_ESCAPE",
// "KEY_RIGHT", ...), else the next typed character as a one-character string, else "".
std::string ReadKey();
// Only the first typed editing key's name, or "".
std::string ReadEditingKey();

}  // namespace kvx
