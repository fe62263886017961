#include <cstdlib>

#include "pak/pak.hpp"

namespace kvx {

namespace {

std::string StartupTempDir() {
    for (const char* name : {"TEMP", "TMPDIR"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return "/tmp";
}

PakModule StartupState() {
    PakModule state;
    state.TempDir = StartupTempDir();
    state.ExtractDir = state.TempDir;
    return state;
}

}  // namespace

PakModule& Pak() {
    static PakModule state = StartupState();
    return state;
}

}  // namespace kvx
