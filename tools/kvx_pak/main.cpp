// kvx-pak: create, list, extract, unpack and merge pak archives from the shell.
// The module prints its own messages; this only checks the arguments and sets the exit status.
#include <cstdio>
#include <string>
#include <vector>

#include "pak/pak.hpp"

namespace {

using Args = std::vector<std::string>;

enum ExitStatus { kSuccess = 0, kNotFound = 1, kFailure = 2 };

constexpr const char* kHelp =
    "Usage: kvx-pak COMMAND ARCHIVE [ARGUMENTS]\n"
    "Packs files into a compressed pak archive, reads them back, and appends an archive\n"
    "to an executable.\n"
    "\n"
    "Commands:\n"
    "  create ARCHIVE FILE|DIR...  pack the files; a directory adds the files directly in it\n"
    "  list ARCHIVE                list the entries with their sizes\n"
    "  extract ARCHIVE NAME [DIR]  write one entry (its name matched ignoring case) into DIR\n"
    "  unpack ARCHIVE [DIR]        write every entry into DIR\n"
    "  merge ARCHIVE EXECUTABLE    append the archive to the executable, in place\n"
    "  has ARCHIVE NAME            tell whether the archive holds an entry of that name\n"
    "  --help                      show this text\n"
    "\n"
    "DIR defaults to $TEMP, else $TMPDIR, else /tmp. extract and unpack also read an archive\n"
    "appended to an executable. Names are matched ignoring the case of the ASCII letters A-Z\n"
    "only; any other byte must be equal. Control characters in names are shown as \\xHH.\n"
    "\n"
    "Every file is written beside its place and renamed over it only once complete: a failed\n"
    "create, extract or merge leaves the old file as it was. create fails, writing nothing,\n"
    "when any file cannot be packed, the archive itself included.\n"
    "\n"
    "Exit status: 0 on success, 1 when the entry is not in the archive,\n"
    "2 on bad usage, a bad archive or a failed write.\n";

int BadUsage(const std::string& why) {
    std::fprintf(stderr, "kvx-pak: %s\nTry 'kvx-pak --help'.\n", why.c_str());
    return kFailure;
}

int Outcome() { return kvx::Pak().PakFault ? kFailure : kSuccess; }

// An explicit destination must exist: the module would quietly fall back to the temporary directory.
bool DestinationUsable(const Args& args, size_t index) {
    if (args.size() <= index || kvx::FileType(args[index]) == kvx::kFileDirectory) return true;
    std::fprintf(stderr, "kvx-pak: %s is not a directory\n", args[index].c_str());
    return false;
}

// All or nothing: an archive missing a file the user named would pass for a complete one.
int Create(const Args& args) {
    kvx::CreatePak(args[1]);
    if (!kvx::Pak().PakStream) return kFailure;
    for (size_t i = 2; i < args.size(); ++i) {
        if (kvx::FileType(args[i]) == kvx::kFileDirectory)
            kvx::AddDir(args[i]);
        else
            kvx::AddFile(args[i]);
    }
    if (kvx::Pak().PakFault) {
        kvx::DiscardPak();
        std::fprintf(stderr, "kvx-pak: nothing written, %s is as it was\n", args[1].c_str());
        return kFailure;
    }
    return kvx::ClosePak() ? kSuccess : kFailure;
}

int List(const Args& args) {
    kvx::DirPak(args[1]);
    return Outcome();
}

int Extract(const Args& args) {
    if (!DestinationUsable(args, 3)) return kFailure;
    if (kvx::ExtractFile(args[1], args[2], args.size() > 3 ? args[3] : "") == 1) return kSuccess;
    if (kvx::Pak().PakFault) return kFailure;
    std::fprintf(stderr, "kvx-pak: [%s] is not in %s\n", args[2].c_str(), args[1].c_str());
    return kNotFound;
}

int Unpack(const Args& args) {
    if (!DestinationUsable(args, 2)) return kFailure;
    kvx::UnpackAll(args[1], args.size() > 2 ? args[2] : "");
    return Outcome();
}

int Merge(const Args& args) { return kvx::MergePak(args[1], args[2]) ? kSuccess : kFailure; }

int Has(const Args& args) {
    if (kvx::IsPacked(args[1], args[2]) == 1) return kSuccess;
    return kvx::Pak().PakFault ? kFailure : kNotFound;
}

struct Command {
    const char* name;
    size_t minArgs;  // counting the command itself
    size_t maxArgs;
    int (*run)(const Args&);
};

const Command kCommands[] = {
    {"create", 3, SIZE_MAX, Create}, {"list", 2, 2, List},   {"extract", 3, 4, Extract},
    {"unpack", 2, 3, Unpack},        {"merge", 3, 3, Merge}, {"has", 3, 3, Has},
};

}  // namespace

int main(int argc, char** argv) {
    const Args args(argv + 1, argv + argc);
    if (args.empty()) return BadUsage("no command given");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(kHelp, stdout);
        return kSuccess;
    }
    for (const Command& command : kCommands) {
        if (args[0] != command.name) continue;
        if (args.size() < command.minArgs || args.size() > command.maxArgs)
            return BadUsage("wrong number of arguments for " + args[0]);
        return command.run(args);
    }
    return BadUsage("unknown command " + args[0]);
}
