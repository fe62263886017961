// kvx-export: writes a .kvx design as a C++ header or as a .bmx program, for builds that make
// their interface from the design.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "design/cpp_export.hpp"
#include "design/cpp_text.hpp"
#include "design/design_reader.hpp"
#include "design/safe_file.hpp"
#include "design/source_export.hpp"
#include "gadgets/gui.hpp"
#include "platform/display.hpp"
#include "platform/files.hpp"

namespace {

using namespace kvx;

enum ExitStatus { kSuccess = 0, kFailure = 1, kBadUsage = 2 };
enum class Language { None, Cpp, Bmx };

// Gadgets are made as the loader makes them, on a display nobody sees, so that sizes the toolkit
// settles (fonts, skin) are the ones an application gets.
constexpr int kDisplayWidth = 1024, kDisplayHeight = 768, kCursorSet = 2;

constexpr const char* kHelp =
    "Usage: kvx-export --cpp DESIGN.kvx -o HEADER.hpp [--name NAME] [--scheme SCHEME]\n"
    "       kvx-export --bmx DESIGN.kvx -o PROGRAM.bmx\n"
    "Writes a design made with Korvex Studio as source.\n"
    "\n"
    "  --cpp        a self-contained C++ header: struct NAME with one member per window and\n"
    "               gadget, named by its handle, and Create() that makes them all\n"
    "  --bmx        a .bmx program, as the studio's Export writes it\n"
    "  -o FILE      the file to write; replaced only once written completely\n"
    "  --name NAME  the struct's name; by default the design's file name in CamelCase\n"
    "  --scheme SCHEME\n"
    "               the struct also gets LoadScheme(), which loads this colour scheme file\n"
    "  --help       show this text\n"
    "\n"
    "Handles that are no C++ identifier have each other byte replaced by '_', a leading digit\n"
    "gets \"g_\", keywords and \"Create\" get a trailing '_', and repeated names \"_2\", \"_3\"...\n"
    "\n"
    "Exit status: 0 on success, 1 when the design cannot be read or the file written,\n"
    "2 on bad usage.\n";

struct Options {
    Language language = Language::None;
    std::string design, output, name, scheme;
};

int BadUsage(const std::string& why) {
    std::fprintf(stderr, "kvx-export: %s\nTry 'kvx-export --help'.\n", why.c_str());
    return kBadUsage;
}

// Empty when the arguments are complete; otherwise why not.
std::string ParseOptions(const std::vector<std::string>& args, Options& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--cpp" || arg == "--bmx") {
            if (options.language != Language::None) return "give one of --cpp and --bmx";
            options.language = arg == "--cpp" ? Language::Cpp : Language::Bmx;
        } else if (arg == "-o" && hasValue) {
            options.output = args[++i];
        } else if (arg == "--name" && hasValue) {
            options.name = args[++i];
        } else if (arg == "--scheme" && hasValue) {
            options.scheme = args[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option or missing value: " + arg;
        } else if (options.design.empty()) {
            options.design = arg;
        } else {
            return "one design at a time: " + arg;
        }
    }
    if (options.language == Language::None) return "give --cpp or --bmx";
    if (options.design.empty()) return "no design given";
    if (options.output.empty()) return "no output file given (-o FILE)";
    return "";
}

// Why the design could not be exported; "" when it was.
std::string Export(const Options& options) {
    const std::filesystem::path design(options.design);
    const std::string cannotWrite = "cannot write " + options.output;
    if (options.language == Language::Bmx) {
        // Opened as the studio opens it (repeated handles made unique), so the program is the
        // studio's export of the same file.
        const studio::DesignLoad load = studio::LoadDesignFrom(options.design);
        if (!load.Ok) return options.design + " " + load.Error;
        return studio::ExportSourceTo(options.output) ? "" : cannotWrite;
    }
    studio::DesignRecords read = studio::ReadDesignFile(options.design);
    if (read.Error.empty() && !studio::MakeLiveGadgets(read.Records, 0, studio::LiveUse::Application)) {
        read.Error = studio::OverBudgetReason();
    }
    if (!read.Error.empty()) return options.design + " " + read.Error;
    const std::string name = options.name.empty() ? studio::CamelCaseName(design.stem().string()) : options.name;
    const std::string text = studio::CppHeaderText(read.Records, name, design.filename().string(), options.scheme);
    const bool written = studio::ReplaceFileSafely(
        options.output, [&](const StreamPtr& out) { WriteBytes(out, text.data(), text.size()); });
    return written ? "" : cannotWrite;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help") {
            std::fputs(kHelp, stdout);
            return kSuccess;
        }
    }
    Options options;
    if (const std::string why = ParseOptions(args, options); !why.empty()) return BadUsage(why);
    if (!options.name.empty() && studio::CppIdentifier(options.name) != options.name) {
        return BadUsage("--name must be a C++ identifier: " + options.name);
    }

    UseBackend(Backend::Headless);
    Graphics(kDisplayWidth, kDisplayHeight, 0, 0);
    KVX_InitGUI(kCursorSet);
    const std::string problem = Export(options);
    if (!problem.empty()) std::fprintf(stderr, "kvx-export: %s\n", problem.c_str());
    studio::Design().DesignList.clear();
    KVX_ClearGui();
    EndGraphics();
    return problem.empty() ? kSuccess : kFailure;
}
