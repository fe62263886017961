#include "pak/pak_console.hpp"

#include <cstdio>

#include "pak/pak.hpp"

namespace kvx {

std::string KbText(int64_t bytes) { return std::to_string(bytes / 1024); }

void ConsolePrint(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PakMessage(const std::string& text) { ConsolePrint("Vorlath message : " + text); }

void PakWarning(const std::string& text) { ConsolePrint("Vorlath warning : " + text); }

bool PakFailure(const std::string& text) {
    PakWarning(text);
    Pak().PakFault = true;
    return false;
}

void Notify(const std::string& text, bool /*serious: the message box's icon*/) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace kvx
