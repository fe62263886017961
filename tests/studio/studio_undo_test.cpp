// Undo and redo through the studio's own frames and keys, the history's bounds, and the property
// that matters most: whatever was undone and redone, saving gives the bytes that state gave.
#include <chrono>
#include <cstdio>
#include <random>

#include "design/design_edits.hpp"
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "studio/arrange_commands.hpp"
#include "studio/ask_path.hpp"
#include "studio/clipboard_commands.hpp"
#include "studio/current_file.hpp"
#include "studio/delete_command.hpp"
#include "studio/edit_history.hpp"
#include "studio/hit_area.hpp"
#include "studio/live_gadget.hpp"
#include "studio/placed_record.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"
#include "support/design_fixture.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;

std::string DesignBytes() { return studio::DesignText(Design().DesignList); }

DesignedGadgetRef Named(const std::string& handle) {
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->Handle == handle) return r;
    }
    return nullptr;
}

class StudioUndoTest : public testing::StudioTest {
protected:
    static void Chord(std::initializer_list<int> held, int key) {
        for (int k : held) headless::PressKey(k);
        headless::PressKey(key);
        Frame();
        headless::ReleaseKey(key);
        for (int k : held) headless::ReleaseKey(k);
        Frames(2);
    }
    static void Select(const DesignedGadgetRef& record) {
        const studio::HitArea area = studio::HitAreaOf(*record);
        Click(area.X + 3, area.Y + 3);
        MoveTo(10, 700);
    }
    // What the writer puts in a file, read back from the file.
    std::string Saved() {
        const std::string path = "/tmp/kvx_undo_" + std::to_string(getpid()) + ".kvx";
        EXPECT_TRUE(studio::SaveDesignTo(path));
        const std::string bytes = testing::FileBytes(path);
        std::remove(path.c_str());
        return bytes;
    }
};

TEST_F(StudioUndoTest, EveryKindOfChangeIsOneStepBackAndForth) {
    std::vector<std::string> states{Saved()};
    Place("Window", 100, 100, 500, 500);
    states.push_back(Saved());
    Place("Button", 150, 200, 250, 210);
    states.push_back(Saved());
    SelectPage(studio::kModifyPage);
    Select(Named("Button1"));
    // A drag over many frames is one step.
    headless::PressKey(KEY_CONTROL);
    const studio::HitArea area = studio::HitAreaOf(*Named("Button1"));
    MoveTo(area.X + 3, area.Y + 3);
    headless::PressMouse(1);
    for (int step = 1; step <= 5; ++step) MoveTo(area.X + 3 + 10 * step, area.Y + 3 + 5 * step);
    headless::ReleaseMouse(1);
    Frame();
    headless::ReleaseKey(KEY_CONTROL);
    Frame();
    ASSERT_EQ(Named("Button1")->Px, 100);
    states.push_back(Saved());
    // A field edit is one step once Enter leaves it, however many keys it took.
    ClickStudio(Ui().Editor.CaptionBox);
    for (char c : std::string("Go")) {
        headless::TypeChar(c);
        Frame();
    }
    headless::PressKey(KEY_ENTER);
    headless::ReleaseKey(KEY_ENTER);
    Frames(2);
    ASSERT_EQ(Named("Button1")->Caption, "Button1Go");
    states.push_back(Saved());
    Chord({KEY_CONTROL}, KEY_D);
    ASSERT_EQ(Design().DesignList.size(), 3u);
    states.push_back(Saved());
    Chord({}, KEY_DELETE);
    ASSERT_EQ(Design().DesignList.size(), 2u);
    states.push_back(Saved());

    for (size_t i = states.size() - 1; i-- > 0;) {
        Chord({KEY_CONTROL}, KEY_Z);
        ASSERT_EQ(Saved(), states[i]) << "undone to state " << i;
    }
    Chord({KEY_CONTROL}, KEY_Z);
    EXPECT_EQ(Saved(), states[0]) << "nothing before the first state";
    for (size_t i = 1; i < states.size(); ++i) {
        Chord(i % 2 ? std::initializer_list<int>{KEY_CONTROL} : std::initializer_list<int>{KEY_CONTROL, KEY_SHIFT},
              i % 2 ? KEY_Y : KEY_Z);
        ASSERT_EQ(Saved(), states[i]) << "redone to state " << i;
    }
    Select(Named("Button1"));
    Chord({KEY_CONTROL}, KEY_Z);
    Chord({KEY_CONTROL}, KEY_Z);
    ASSERT_EQ(Saved(), states[states.size() - 3]);
    ASSERT_NE(Named("Button1"), nullptr);
    EXPECT_EQ(studio::State().Selected, Named("Button1")) << "the selection kept by handle";
    EXPECT_EQ(Named("Button1")->Gadget->ParentGadget(), Named("Window1")->Gadget) << "made again in its window";
    headless::PressKey(KEY_RIGHT);
    headless::ReleaseKey(KEY_RIGHT);
    Frames(2);
    EXPECT_FALSE(studio::CanRedo()) << "a new edit drops what was undone";
}

TEST_F(StudioUndoTest, NewAndOpenStartAFreshHistoryAndUndoingToTheSavedStateIsUnchanged) {
    Place("Window", 100, 100, 500, 500);
    const std::string path = "/tmp/kvx_undo_open_" + std::to_string(getpid()) + ".kvx";
    ASSERT_TRUE(studio::SaveDesignTo(path));
    studio::MarkSavedAs(path);
    Place("Button", 150, 200, 250, 210);
    EXPECT_TRUE(studio::DesignChanged());
    studio::Undo();
    EXPECT_FALSE(studio::DesignChanged()) << "back to what the file holds";
    studio::Redo();
    EXPECT_TRUE(studio::DesignChanged());
    // Adding a file's gadgets is a step of its own.
    AnswerDialogs({"No"});
    studio::LoadDesign(path);
    Frame();
    ASSERT_EQ(Design().DesignList.size(), 3u);
    EXPECT_EQ(Design().DesignList[2]->Handle, "Window2");
    studio::Undo();
    EXPECT_EQ(Design().DesignList.size(), 2u);

    AnswerDialogs({"Yes", "No"});  // replace the design, without saving it
    studio::LoadDesign(path);
    std::remove(path.c_str());
    EXPECT_FALSE(studio::CanUndo()) << "opened in place of the design";
    SelectPage(studio::kFilePage);
    AnswerDialogs({"No"});
    Place("Button", 150, 200, 250, 210);
    SelectPage(studio::kFilePage);
    ClickStudio(Ui().File.New);
    Frames(4);
    ASSERT_TRUE(Design().DesignList.empty());
    EXPECT_FALSE(studio::CanUndo()) << "New starts afresh";
}

TEST_F(StudioUndoTest, TwoHundredStepsAreKept) {
    for (int i = 0; i < int(studio::kUndoSteps) + 50; ++i) {
        testing::PlaceDesigned("Button", 10, 10 + i, 60, 20);
        studio::RecordFinishedEdit();
    }
    int undone = 0;
    while (studio::Undo()) ++undone;
    EXPECT_EQ(undone, int(studio::kUndoSteps));
    EXPECT_EQ(Design().DesignList.size(), 50u);
}

// Random edits of every kind, undos and redos, with a fixed seed; a model of the history says
// which state the design must be in, and the bytes a save gives must be that state's.
TEST_F(StudioUndoTest, SavingAfterAnyUndoAndRedoGivesTheBytesOfThatState) {
    std::mt19937 random(20240521u);
    const auto pick = [&](size_t n) { return size_t(random() % n); };
    const std::vector<std::string> kinds = {"Frame",       "Checkbox", "Button",   "CustomButton", "Scrollbar",
                                            "Progressbar", "Listbox",  "Combobox", "Inputbox",     "Value",
                                            "Labeltext",   "Imagebox", "ColorIcon"};
    constexpr int kSequences = 300;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        studio::ClearDesign();
        studio::StartHistory();
        std::vector<std::string> states{DesignBytes()};
        size_t at = 0;
        const auto any = [&]() -> DesignedGadgetRef {
            auto& list = Design().DesignList;
            return list.empty() ? nullptr : list[pick(list.size())];
        };
        const int edits = 4 + int(pick(12));
        for (int e = 0; e < edits; ++e) {
            const size_t op = pick(11);
            if (op == 9) {
                const bool undone = studio::Undo();
                ASSERT_EQ(undone, at > 0);
                if (undone) --at;
                ASSERT_EQ(DesignBytes(), states[at]) << "sequence " << sequence << " edit " << e;
                continue;
            }
            if (op == 10) {
                const bool redone = studio::Redo();
                ASSERT_EQ(redone, at + 1 < states.size());
                if (redone) ++at;
                ASSERT_EQ(DesignBytes(), states[at]) << "sequence " << sequence << " edit " << e;
                continue;
            }
            const DesignedGadgetRef r = any();
            switch (op) {
                case 0:
                    testing::PlaceDesigned("Window", 20 + int(pick(400)), 20 + int(pick(300)), 100 + int(pick(300)),
                                           60 + int(pick(200)));
                    break;
                case 1: {
                    DesignedGadgetRef window = r ? studio::WindowRecordOf(*r) : nullptr;
                    const int x = window ? window->Px + 5 : int(pick(500));
                    const int y = window ? window->Py + 25 : int(pick(500));
                    testing::PlaceDesigned(kinds[pick(kinds.size())], x + int(pick(100)), y + int(pick(100)),
                                           10 + int(pick(120)), 10 + int(pick(80)), window);
                    break;
                }
                case 2:
                    if (!r) break;
                    r->Px += int(pick(21)) - 10;
                    r->Py += int(pick(21)) - 10;
                    studio::MoveLive(*r);
                    studio::NoteDesignChange();
                    break;
                case 3:
                    if (!r) break;
                    r->Tx = 20 + int(pick(200));
                    r->Ty = 10 + int(pick(100));
                    studio::RebuildLive(*r);
                    studio::NoteDesignChange();
                    break;
                case 4:
                    if (!r) break;
                    studio::Rename(*r, studio::FreshHandle(r->Kind));
                    r->Caption = "Caption " + std::to_string(pick(1000));
                    studio::RebuildLive(*r);
                    studio::NoteDesignChange();
                    break;
                case 5:
                    if (!r) break;
                    studio::SelectOnly(r);
                    studio::RemoveRecords(studio::SelectionWithWindowGadgets());
                    break;
                case 6:
                    if (!r) break;
                    studio::SelectOnly(r);
                    studio::DuplicateSelection();
                    break;
                case 7:
                    if (!r) break;
                    studio::SelectOnly(r);
                    pick(2) ? studio::BringSelectionToFront() : studio::SendSelectionToBack();
                    break;
                case 8: {
                    std::vector<DesignedGadgetRef> some;
                    for (int i = 0; i < 3; ++i) {
                        if (const DesignedGadgetRef g = any(); g && !g->Info().IsWindow) some.push_back(g);
                    }
                    studio::SelectRecords(some);
                    studio::AlignSelection(static_cast<studio::AlignTo>(pick(6)));
                    break;
                }
            }
            studio::RecordFinishedEdit();
            const std::string bytes = DesignBytes();
            if (bytes != states[at]) {
                states.resize(at + 1);
                states.push_back(bytes);
                at = states.size() - 1;
            }
        }
        ASSERT_EQ(Saved(), states[at]) << "the file holds what the writer gives, sequence " << sequence;
    }
}

// A design of 2000 gadgets: how long a step back and forth takes, and what 200 steps hold.
TEST_F(StudioUndoTest, UndoOfALargeDesignIsQuickAndItsHistorySmall) {
    constexpr int kWindows = 20, kGadgetsPerWindow = 99;
    for (int w = 0; w < kWindows; ++w) {
        const DesignedGadgetRef window = testing::PlaceDesigned("Window", 10 + w * 5, 10 + w * 5, 600, 500);
        for (int g = 0; g < kGadgetsPerWindow; ++g) {
            testing::PlaceDesigned(g % 2 ? "Button" : "Checkbox", window->Px + 10 + (g % 9) * 60,
                                   window->Py + 30 + (g / 9) * 40, 50, 20, window);
        }
    }
    ASSERT_EQ(Design().DesignList.size(), size_t(kWindows * (kGadgetsPerWindow + 1)));
    studio::StartHistory();
    for (size_t i = 0; i < studio::kUndoSteps; ++i) {
        const DesignedGadgetRef& r = Design().DesignList[1 + i % 50];
        r->Px += 1;
        studio::MoveLive(*r);
        studio::NoteDesignChange();
        studio::RecordFinishedEdit();
    }
    const std::string before = DesignBytes();
    using Clock = std::chrono::steady_clock;
    double slowest = 0;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        ASSERT_TRUE(studio::Undo());
        const auto middle = Clock::now();
        ASSERT_TRUE(studio::Redo());
        const auto end = Clock::now();
        slowest = std::max({slowest, std::chrono::duration<double, std::milli>(middle - start).count(),
                            std::chrono::duration<double, std::milli>(end - middle).count()});
        Frame();
    }
    EXPECT_EQ(DesignBytes(), before);
    std::printf("undo/redo of %zu gadgets: slowest %.1f ms; %zu steps hold %zu KB\n", Design().DesignList.size(),
                slowest, studio::kUndoSteps, studio::HistoryBytes() / 1024);
    EXPECT_LT(studio::HistoryBytes(), size_t(16) << 20) << "unchanged sections are shared between steps";
}

}  // namespace
}  // namespace kvx
