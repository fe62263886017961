// Greeter: a window made in Korvex Studio (greeter.kvx), compiled into the program as greeter.hpp.
// Type a name, press Greet. With --check it runs headless, types and clicks by itself, and exits
// 0 only when the greeting appeared.
#include <Inc_Korvex.hpp>
#include <cstdio>
#include <platform/headless.hpp>
#include <string>

#include "greeter.hpp"

namespace {

constexpr int kWidth = 1024, kHeight = 768, kCursorSet = 2;
// Input reaches the program a change per frame: a few frames let scripted input arrive.
constexpr int kSettleFrames = 4;

// One frame: the toolkit draws and reads input; the program answers its buttons.
bool Frame(Greeter& ui) {
    kvx::Cls();
    kvx::KVX_RefreshGui();
    if (ui.Greet->Clicked()) ui.Answer->Text = "Hello, " + (ui.Name->Text.empty() ? "stranger" : ui.Name->Text) + "!";
    const bool quit = ui.Quit->Clicked() || ui.MainWindow->Closed;
    kvx::zglSwapBuffers();
    return !quit && !kvx::AppTerminate();
}

void Settle(Greeter& ui) {
    for (int i = 0; i < kSettleFrames; ++i) Frame(ui);
}

// Clicks at the centre of a gadget.
void Click(Greeter& ui, const kvx::KVX_GadgetRef& gadget) {
    kvx::headless::MoveMouse(gadget->AbsX + gadget->Width / 2, gadget->AbsY + gadget->Height / 2);
    kvx::headless::PressMouse(1);
    kvx::headless::ReleaseMouse(1);
    Settle(ui);
}

int Check(Greeter& ui) {
    Frame(ui);
    Click(ui, ui.Name);
    for (const char c : std::string("Ada")) kvx::headless::TypeChar(c);
    Settle(ui);
    Click(ui, ui.Greet);
    std::printf("%s\n", ui.Answer->Text.c_str());
    return ui.Answer->Text == "Hello, Ada!" ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::string(argv[1]) == "--check";
    if (check) kvx::UseBackend(kvx::Backend::Headless);
    kvx::Graphics(kWidth, kHeight, 0, 60);
    kvx::KVX_InitGUI(kCursorSet);
    Greeter ui;
    ui.Create();
    int status = 0;
    if (check) {
        status = Check(ui);
    } else {
        while (Frame(ui)) {
        }
    }
    kvx::KVX_ClearGui();
    kvx::EndGraphics();
    return status;
}
