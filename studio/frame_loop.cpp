#include "studio/frame_loop.hpp"

#include <cstdio>
#include <string>

#include "core/fps.hpp"
#include "core/frame_pacing.hpp"
#include "core/skin.hpp"
#include "design/designed_gadget.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/ask_path.hpp"
#include "studio/current_file.hpp"
#include "studio/edit_history.hpp"
#include "studio/grid_image.hpp"
#include "studio/menu_strip.hpp"
#include "studio/preferences.hpp"
#include "studio/property_editor.hpp"
#include "studio/recent_files.hpp"
#include "studio/scheme_editor.hpp"
#include "studio/status_line.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_step.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

bool g_exit = false;

constexpr int kScreenWidth = 1024, kScreenHeight = 768, kScreenDepth = 32, kScreenHz = 75;

void DrawFrameStatistics() {
    DrawStatusLine("FPS : " + std::to_string(KVX_Fps) + " / Memory used : " + std::to_string(MemAlloced()));
}

// Full screen when asked or when the screen has the mode; a window otherwise, rather than ending.
void OpenScreen(ScreenChoice choice) {
    const bool fullScreenExists = GraphicsModeExists(kScreenWidth, kScreenHeight, 0, 0);
    if (choice == ScreenChoice::FullScreen && !fullScreenExists) {
        std::fprintf(stderr, "korvex-studio: the screen has no %d x %d mode; opening a window\n", kScreenWidth,
                     kScreenHeight);
    }
    const bool fullScreen = choice != ScreenChoice::Window && fullScreenExists;
    Graphics(kScreenWidth, kScreenHeight, fullScreen ? kScreenDepth : 0, kScreenHz);
}

}  // namespace

void RequestExit() { g_exit = true; }
bool ExitRequested() { return g_exit; }

void Start(const StartOptions& options) {
    g_exit = false;
    Design().DesignList.clear();
    Design().ResetCounters();
    ResetStudioState();
    ForgetCurrentFile();
    KVX_SetFrameWaiting(!options.Benchmark);
    const std::string preferencesProblem = LoadPreferences();
    ApplyPreferences();
    OpenScreen(options.Screen == ScreenChoice::Automatic ? Prefs().StartScreen : options.Screen);
    KVX_InitGUI(2);
    LoadRememberedScheme();  // before any window, so the edges take it too
    KVX_Background("./KVX_Demos/KorvexStudio-1024.png");
    BuildStudioInterface();
    PrepareMenuStrip();
    ShowInEditor(nullptr);
    State().GridImage = MakeGridImage();
    ShowRecentFiles(LoadRecentFiles());
    zglSetSwapInterval(0);
    if (!preferencesProblem.empty()) AskUser("Preferences", preferencesProblem, kOkOnly, kNoIcon);
    StartHistory();
    if (!options.Design.empty()) LoadDesign(options.Design);
}

bool Frame() {
    KVX_WaitWhileIdle();
    if (g_exit) return false;
    if (AppTerminate()) {
        // Closed by the window manager: the question needs the loop, and Cancel keeps it going.
        KeepRunning();
        if (OfferToSave()) return false;
    }
    Cls();
    KVX_RefreshGui();
    StudioFrameStep();
    DrawFrameStatistics();
    zglSwapBuffers();
    FlushMem();
    return true;
}

void Shutdown() {
    KVX_FreeBackground();
    KVX_ClearGui();
    // The records and the tool window's references would keep freed gadgets alive.
    Design().DesignList.clear();
    Studio() = StudioUi{};
    State().GridImage = nullptr;
    EndGraphics();
}

int Run(const StartOptions& options) {
    Start(options);
    while (Frame()) {
    }
    Shutdown();
    return 0;
}

}  // namespace kvx::studio
