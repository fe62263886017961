#pragma once
// Scripted input for the standard dialogs, which run their own frame loop. Each step runs after
// one presented frame, so its input lands in the next frame, and the gadget it aims at is looked
// up in the window in front at that moment, a nested alert included.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gadgets/gui.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/window.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"

namespace kvx::testing {

inline KVX_WindowRef FrontWindow() { return KVX_GadgetList.back(); }

// The first child of `window` of `kind` whose Text is `text` (any text when empty); null if none.
inline KVX_GadgetRef ChildOf(const KVX_WindowRef& window, uint8_t kind, const std::string& text = "") {
    for (const KVX_GadgetRef& child : window->Children) {
        if (child->Kind() == kind && (text.empty() || child->Text == text)) return child;
    }
    return nullptr;
}

inline std::vector<std::string> ListedItems(const KVX_Listbox& list) {
    std::vector<std::string> names;
    for (const KVX_ListItem& item : list.ItemList) names.push_back(item.ItemText);
    return names;
}

// The text a dialog shows: its first label other than the window's own caption; null if none.
inline KVX_GadgetRef MessageLabel(const KVX_WindowRef& window) {
    for (const KVX_GadgetRef& child : window->Children) {
        if (child->Kind() == KVX_KindLabel && child != window->Caption) return child;
    }
    return nullptr;
}

// The front window's list; null when it has none.
inline KVX_Listbox* FrontList() { return static_cast<KVX_Listbox*>(ChildOf(FrontWindow(), KVX_KindListbox).get()); }

// Owns the frame hook for its lifetime; the steps are shared by every dialog opened meanwhile.
class DialogScript {
public:
    // Frames a dialog may stay open after the last step before the application window is closed,
    // so a dialog that does not answer fails its test instead of hanging it.
    static constexpr int kGraceFrames = 30;

    DialogScript() {
        headless::SetFrameHook([this](int) { Step(); });
    }
    ~DialogScript() { headless::SetFrameHook(nullptr); }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    DialogScript& Then(std::function<void()> step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    // Presses at the middle of the front window's child, releases a frame later.
    DialogScript& Click(uint8_t kind, const std::string& text = "") {
        Then([this, kind, text] {
            const KVX_GadgetRef g = ChildOf(FrontWindow(), kind, text);
            if (!g) return Fail("no gadget \"" + text + "\" in the front window");
            Press(g->AbsX + g->Width / 2, g->AbsY + std::max(g->Height, 2) / 2);
        });
        return Release();
    }
    DialogScript& ClickButton(const std::string& caption) { return Click(KVX_KindPushButton, caption); }
    // Presses on the line `item` of the front window's list, releases a frame later.
    DialogScript& ClickRow(const std::string& item) {
        Then([this, item] {
            const KVX_Listbox* list = FrontList();
            const std::vector<std::string> names = list ? ListedItems(*list) : std::vector<std::string>{};
            const auto found = std::find(names.begin(), names.end(), item);
            if (found == names.end()) return Fail("no line \"" + item + "\" in the front window's list");
            const int line = int(found - names.begin()) - (std::max(int(list->VScroll->Value), 1) - 1);
            Press(list->AbsX + 40, list->AbsY + line * KVX_LineHeight + KVX_LineHeight / 2);
        });
        return Release();
    }
    // Characters for the focused field, all taken in one frame.
    DialogScript& Type(const std::string& text) {
        return Then([text] {
            for (char c : text) headless::TypeChar(static_cast<unsigned char>(c));
        });
    }
    // Quick taps, each pressed and let go within one frame (which the program sees over two).
    DialogScript& Backspace(int times) {
        for (int i = 0; i < times; ++i) {
            Then([] {
                headless::PressKey(KEY_BACKSPACE);
                headless::ReleaseKey(KEY_BACKSPACE);
            });
            Wait();
        }
        return *this;
    }

    // A frame without input: what a click changed shows one frame later, and a dialog answered
    // in one frame is still in front when that frame is presented.
    DialogScript& Wait() {
        return Then([] {});
    }

    bool Finished() const { return next_ == steps_.size(); }

private:
    void Step() {
        if (next_ < steps_.size()) {
            steps_[next_++]();
        } else if (++idle_ > kGraceFrames) {
            headless::RequestClose();
        }
    }
    DialogScript& Release() {
        return Then([] { headless::ReleaseMouse(1); });
    }
    static void Press(int x, int y) {
        headless::MoveMouse(x, y);
        headless::PressMouse(1);
    }
    void Fail(const std::string& why) {
        ADD_FAILURE() << why << " at step " << next_;
        headless::RequestClose();
    }

    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    int idle_ = 0;
};

}  // namespace kvx::testing
