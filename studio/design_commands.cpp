#include <cerrno>
#include <cstring>
#include <string>

#include "design/cpp_export.hpp"
#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "design/source_export.hpp"
#include "platform/files.hpp"
#include "studio/ask_path.hpp"
#include "studio/current_file.hpp"
#include "studio/edit_history.hpp"
#include "studio/file_ending.hpp"
#include "studio/frame_loop.hpp"
#include "studio/new_interface.hpp"
#include "studio/recent_files.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

const char* const kDesignFilters = ".kvx|.*";
const char* const kDesignEnding = ".kvx";
const char* const kSourceEnding = ".bmx";
const char* const kHeaderEnding = ".hpp";

void ReportFailure(const std::string& command, const std::string& path, const std::string& reason) {
    AskUser(command, FileNameOf(path) + "|" + reason + ".", kOkOnly, kAlertIcon);
}

// The system's reason for the last failed file operation, as a sentence ends it.
std::string SystemReason() {
    const int error = errno;
    std::string reason = error != 0 ? std::strerror(error) : "cannot be written";
    if (!reason.empty()) reason[0] = char(std::tolower(static_cast<unsigned char>(reason[0])));
    return reason;
}

// Writing over a file other than the design's own is confirmed first.
bool MayWrite(const std::string& command, const std::string& path) {
    if (FileType(path) == kFileNone || path == CurrentPath()) return true;
    return AskUser(command, FileNameOf(path) + " already exists.|Replace it ?", kYesNo, kAskIcon) == kYesAnswer;
}

void Remember(const std::string& path) {
    RememberRecentFile(path);
    ShowRecentFiles(LoadRecentFiles());
}

bool WriteDesign(const std::string& path) {
    errno = 0;
    if (!SaveDesignTo(path)) {
        ReportFailure("Save", path, SystemReason());
        return false;
    }
    MarkSavedAs(path);
    Remember(path);
    return true;
}

void ExportAs(const std::string& title, const std::string& ending, bool (*write)(const std::string& path)) {
    const std::string asked = AskDesignPath(title, ending + "|.*", ending, 1);
    if (asked.empty()) return;
    const std::string path = WithEnding(asked, ending);
    if (!MayWrite("Export", path)) return;
    errno = 0;
    if (!write(path)) ReportFailure("Export", path, SystemReason());
}

}  // namespace

bool OfferToSave() {
    if (!DesignChanged()) return true;
    switch (AskUser("Save changes", "Save changes to " + DisplayName() + " ?", kYesNoCancel, kAskIcon)) {
        case kYesAnswer: return SaveDesign();
        case kNoAnswer: return true;
        default: return false;
    }
}

bool SaveDesign() { return CurrentPath().empty() ? SaveDesignAs() : WriteDesign(CurrentPath()); }

bool SaveDesignAs() {
    const std::string asked = AskDesignPath("Save Korvex Interface...", kDesignFilters, kDesignEnding, 1);
    if (asked.empty()) return false;
    const std::string path = WithEnding(asked, kDesignEnding);
    return MayWrite("Save", path) && WriteDesign(path);
}

void LoadDesign(const std::string& given) {
    const std::string path =
        given.empty() ? AskDesignPath("Load Korvex Interface...", kDesignFilters, kDesignEnding, 0) : given;
    if (path.empty()) return;
    // Opening takes the name as typed: one without the ending loads nothing.
    if (!HasEnding(path, kDesignEnding)) {
        ReportFailure("Open", path, "is not a " + std::string(kDesignEnding) + " design");
        return;
    }
    LoadMode mode = LoadMode::Replace;
    if (!Design().DesignList.empty()) {
        const int32_t answer =
            AskUser("Open", "Replace the current design ?|No adds the file's gadgets to it.", kYesNoCancel, kAskIcon);
        if (answer == kCancelAnswer) return;
        if (answer == kNoAnswer) mode = LoadMode::Append;
        if (mode == LoadMode::Replace && !OfferToSave()) return;
    }
    const DesignLoad load = LoadDesignFrom(path, mode);
    if (!load.Ok) {
        ReportFailure("Open", path, load.Error);
        return;
    }
    Remember(path);
    if (mode == LoadMode::Replace) {
        ForgetSelection();
        MarkSavedAs(path);
        StartHistory();
    } else {
        NoteDesignChange();
    }
}

void ExportSource() { ExportAs("Export Korvex Interface to BMX...", kSourceEnding, ExportSourceTo); }

void ExportHeader() { ExportAs("Export Korvex Interface to C++...", kHeaderEnding, ExportHeaderTo); }

void NewDesign() {
    if (!OfferToSave()) return;
    ClearDesign();
    ForgetCurrentFile();
    StartHistory();
}

void ExitStudio() {
    if (OfferToSave()) RequestExit();
}

}  // namespace kvx::studio
