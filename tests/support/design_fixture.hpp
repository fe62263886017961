#pragma once
// Designed gadgets placed the way the Create page places them, on a headless toolkit, and small
// helpers for the files the studio writes.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gadgets/window.hpp"
#include "design/designed_gadget.hpp"
#include "studio/frame_loop.hpp"
#include "studio/new_interface.hpp"
#include "studio/placed_record.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx::testing {

// The record and live gadget of `kind` for a rubber band at x, y of w x h screen pixels, dropped
// over `window` (a designed window) or over no window, placed by the studio's own code.
// Appended to the DesignList.
inline studio::DesignedGadgetRef PlaceDesigned(const std::string& kind, int x, int y, int w, int h,
                                               const studio::DesignedGadgetRef& window = nullptr) {
    const KVX_WindowRef parent = window ? std::static_pointer_cast<KVX_Window>(window->Gadget) : nullptr;
    return studio::PlaceInDesign(kind, studio::Band{x, y, w, h}, parent);
}

// Frees every live gadget and empties the design, counters included.
inline void ClearDesign() { studio::ClearDesign(); }

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void PutFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The lines of a CR LF file; a last line without its CR LF is kept too.
inline std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

// A headless toolkit, an empty design with the button skin height known, and a scratch folder.
class DesignTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ClearDesign();
        folder_ =
            std::filesystem::temp_directory_path() / ("kvx_design_" + std::to_string(getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        ClearDesign();
        std::filesystem::remove_all(folder_);
        ToolkitTest::TearDown();
    }
    std::string PathIn(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

}  // namespace kvx::testing
