#include <string>

#include "studio/ask_path.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/new_interface.hpp"
#include "studio/design_reader.hpp"
#include "studio/design_writer.hpp"
#include "studio/file_ending.hpp"
#include "studio/source_export.hpp"

namespace kvx::studio {
namespace {

constexpr uint8_t kOkOnly = 1, kYesNoCancel = 3;
constexpr int32_t kAskIcon = 1, kAlertIcon = 2;
constexpr int32_t kYesAnswer = 1, kCancelAnswer = 3;

// The file's own name, not the folders it is in: what the message names.
std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void ReportFailure(const std::string& command, const std::string& path, const std::string& reason) {
    AskUser(command, FileName(path) + "|" + reason + ".", kOkOnly, kAlertIcon);
}

const char* const kDesignFilters = ".kvx|.*";
const char* const kDesignEnding = ".kvx";
const char* const kSourceEnding = ".bmx";

}  // namespace

bool SaveDesignAsked() {
    const std::string path = AskDesignPath("Save Korvex Interface...", kDesignFilters, kDesignEnding, 1);
    return !path.empty() && SaveDesignTo(WithEnding(path, kDesignEnding));
}

void SaveDesign() { SaveDesignAsked(); }

void LoadDesign() {
    const std::string path = AskDesignPath("Load Korvex Interface...", kDesignFilters, kDesignEnding, 0);
    if (path.empty()) return;
    // Opening takes the name as typed: one without the ending loads nothing.
    if (!HasEnding(path, kDesignEnding)) {
        ReportFailure("Open", path, "is not a " + std::string(kDesignEnding) + " design");
        return;
    }
    LoadMode mode = LoadMode::Append;
    if (!Design().DesignList.empty()) {
        const int32_t answer = AskUser("Open", "Replace the current design ?|No adds the file's gadgets to it.",
                                              kYesNoCancel, kAskIcon);
        if (answer == kCancelAnswer) return;
        if (answer == kYesAnswer) mode = LoadMode::Replace;
    }
    const DesignLoad load = LoadDesignFrom(path, mode);
    if (!load.Ok) {
        ReportFailure("Open", path, load.Error);
        return;
    }
    if (mode == LoadMode::Replace) ForgetSelection();
}

void ExportSource() {
    const std::string path = AskDesignPath("Export Korvex Interface to BMX...", ".bmx|.*", kSourceEnding, 0);
    if (!path.empty()) ExportSourceTo(WithEnding(path, kSourceEnding));
}

}  // namespace kvx::studio
