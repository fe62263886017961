#pragma once
// The real studio on a headless display, driven through its own tool window, frame by frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <initializer_list>
#include <memory>
#include <string>

#include "design/designed_gadget.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "platform/headless.hpp"
#include "platform/platform.hpp"
#include "studio/frame_loop.hpp"
#include "studio/hit_area.hpp"
#include "studio/studio_window.hpp"
#include "support/frame_driver.hpp"

namespace kvx::testing {

// The screen centre of a gadget that sits directly in a window.
struct Point {
    int X = 0, Y = 0;
};
inline Point CentreIn(const KVX_Window& window, const KVX_Gadget& gadget) {
    return {window.X + gadget.X + gadget.Width / 2, window.Y + window.TitleHeight + 1 + gadget.Y + gadget.Height / 2};
}

// The design's record of this handle, or none.
inline studio::DesignedGadgetRef Named(const std::string& handle) {
    for (const studio::DesignedGadgetRef& r : studio::Design().DesignList) {
        if (r->Handle == handle) return r;
    }
    return nullptr;
}

// The first visible push button with this caption in the topmost window that has one.
inline KVX_PushButtonRef FindButton(const std::string& caption) {
    for (auto w = KVX_GadgetList.rbegin(); w != KVX_GadgetList.rend(); ++w) {
        for (const KVX_GadgetRef& child : (*w)->Children) {
            if (child->Kind() == KVX_KindPushButton && child->Text == caption && !child->Hidden) {
                return std::static_pointer_cast<KVX_PushButton>(child);
            }
        }
    }
    return nullptr;
}

class StudioTest : public ::testing::Test, protected FrameDriver<StudioTest> {
    friend FrameDriver<StudioTest>;
    static constexpr int kClickDepth = 8;  // how far into a record's hit area a click lands

protected:
    void SetUp() override {
        UseBackend(Backend::Headless);
        headless::Reset();
        headless::SetClock(1000);
        studio::Start();
        Frames(2);
    }
    void TearDown() override {
        headless::SetFrameHook(nullptr);
        studio::Shutdown();
        headless::Reset();
    }

    static studio::StudioUi& Ui() { return studio::Studio(); }

    static bool Frame() { return studio::Frame(); }

    // A click on an inactive window only activates it; the tool window is brought forward first.
    static void ActivateStudio() {
        const KVX_Window& w = *Ui().StudioWindow;
        if (w.Disabled) Click(w.X + w.Width / 2, w.Y + w.TitleHeight / 2);
    }
    static void ClickStudio(const KVX_GadgetRef& gadget) {
        ActivateStudio();
        const Point p = CentreIn(*Ui().StudioWindow, *gadget);
        Click(p.X, p.Y);
    }
    static void SelectPage(int page) {
        ActivateStudio();
        const KVX_Tabpanel& tabs = *Ui().StudioTabs;
        const KVX_Window& w = *Ui().StudioWindow;
        const int tabWidth = int(tabs.TabMiddleWidth) + 2 * tabs.TabEdgeWidth;
        Click(w.X + tabs.X + (page - 1) * tabWidth + tabWidth / 2,
              w.Y + w.TitleHeight + 1 + tabs.Y + tabs.TabHeight / 2);
    }
    static void Arm(const std::string& kindWord) {
        SelectPage(studio::kCreatePage);
        ClickStudio(studio::CreateButtonOf(kindWord));
    }
    // Clicks the designed record of this handle where the pointer takes it, clear of the corner
    // handles; with Ctrl held for `ctrl`.
    static void ClickRecord(const std::string& handle, bool ctrl = false) {
        const studio::DesignedGadgetRef record = Named(handle);
        if (!record) {
            ADD_FAILURE() << "no " << handle;
            return;
        }
        const studio::HitArea area = studio::HitAreaOf(*record);
        if (ctrl) headless::PressKey(KEY_CONTROL);
        Click(area.X + area.W / 2, area.Y + std::min(area.H / 2, kClickDepth));
        if (ctrl) headless::ReleaseKey(KEY_CONTROL);
    }
    // A quick tap of the key, pressed and let go within a frame, with these keys held around it.
    static void TapKey(int key, std::initializer_list<int> held = {}) {
        for (int k : held) headless::PressKey(k);
        headless::PressKey(key);
        headless::ReleaseKey(key);
        Frames(2);
        for (int k : held) headless::ReleaseKey(k);
        Frame();
    }

    // Arms the kind and drags its band.
    static void Place(const std::string& kindWord, int x0, int y0, int x1, int y1) {
        Arm(kindWord);
        Drag(x0, y0, x1, y1);
    }

    // Answers the dialogs that the next frames open, one caption per dialog, by clicking the
    // button of that caption in them once it has been shown for a frame.
    static void AnswerDialogs(std::deque<std::string> captions) {
        struct Script {
            std::deque<std::string> Captions;
            bool Pressed = false;
            KVX_PushButtonRef Seen;
        };
        // The hook may be copied between calls: its state lives outside it.
        auto script = std::make_shared<Script>();
        script->Captions = std::move(captions);
        headless::SetFrameHook([script](int) {
            Script& s = *script;
            if (s.Captions.empty()) return;
            if (s.Pressed) {
                headless::ReleaseMouse(1);
                s.Captions.pop_front();
                s.Pressed = false;
                s.Seen = nullptr;
                return;
            }
            const KVX_PushButtonRef button = FindButton(s.Captions.front());
            const bool settled = button && button == s.Seen;
            s.Seen = button;
            if (!settled || !button->ParentGadget()) return;
            const Point p = CentreIn(static_cast<const KVX_Window&>(*button->ParentGadget()), *button);
            headless::MoveMouse(p.X, p.Y);
            headless::PressMouse(1);
            s.Pressed = true;
        });
    }
};

}  // namespace kvx::testing
