#include <string>

#include "studio/ask_path.hpp"
#include "studio/design_reader.hpp"
#include "studio/design_writer.hpp"
#include "studio/file_ending.hpp"
#include "studio/source_export.hpp"

namespace kvx::studio {
namespace {

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
    // Opening takes the name as typed: one without the ending loads nothing.
    if (HasEnding(path, kDesignEnding)) LoadDesignFrom(path);
}

void ExportSource() {
    const std::string path = AskDesignPath("Export Korvex Interface to BMX...", ".bmx|.*", kSourceEnding, 0);
    if (!path.empty()) ExportSourceTo(WithEnding(path, kSourceEnding));
}

}  // namespace kvx::studio
