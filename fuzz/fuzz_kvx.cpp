// A .kvx design file through the studio's loader, which makes every section's live gadget on a
// headless display. After each input the design is cleared and one frame runs, which drops its
// gadgets, so one input cannot change what the next one meets.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.hpp"
#include "gadgets/gui.hpp"
#include "platform/display.hpp"
#include "platform/headless.hpp"
#include "design/design_reader.hpp"
#include "design/designed_gadget.hpp"
#include "studio/frame_loop.hpp"
#include "studio/new_interface.hpp"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kvx::UseBackend(kvx::Backend::Headless);
    kvx::headless::Reset();
    kvx::Graphics(1024, 768, 0, 60);
    kvx::KVX_InitGUI(2);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = kvx::fuzz::ScratchRoot() + "/in.kvx";
    kvx::fuzz::WriteWholeFile(path, data, size);
    kvx::studio::LoadDesignFrom(path);
    kvx::studio::ClearDesign();
    // Freed gadgets leave their parents' lists on the next frame, as in the studio; without it
    // the desktop would keep every loose gadget of every earlier input.
    kvx::KVX_RefreshGui();
    return 0;
}
