#include "studio/about_box.hpp"

#include "core/runtime.hpp"
#include "design/designed_gadget.hpp"
#include "platform/library_versions.hpp"
#include "script/script_engine.hpp"
#include "studio/ask_path.hpp"
#include "studio/config_folder.hpp"

namespace kvx::studio {
std::string AboutText() {
    std::string libraries;
    for (const auto& [name, version] : PlatformLibraryVersions()) {
        libraries += (libraries.empty() ? "" : ", ") + name + " " + version;
    }
    const std::string folder = ConfigFolder();
    return std::string("Korvex Studio ") + kVersionText + ", the interface designer|Korvex toolkit " +
           KVX_ToolkitVersion() + "||Built on " + libraries + "|and " + ScriptEngineVersion() +
           "||Settings are kept in|" + (folder.empty() ? "(no config folder: nothing is kept)" : folder);
}

void ShowAbout() { AskUser("About Korvex Studio", AboutText(), kOkOnly, kNoIcon); }

}  // namespace kvx::studio
