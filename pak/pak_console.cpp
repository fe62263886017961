#include "pak/pak_console.hpp"

#include <cstdio>

#include "pak/pak.hpp"

namespace kvx {

namespace {

bool IsControl(unsigned char c) {
    constexpr unsigned char kDelete = 0x7F, kFirstC1 = 0x80, kPastC1 = 0xA0;
    return c < ' ' || c == kDelete || (c >= kFirstC1 && c < kPastC1);
}

// Names come from archives and folders: a control character in one could drive the terminal, so
// each is shown as \xHH. Text is Latin-1, so its C1 range counts too.
std::string Printable(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (unsigned char c : text) {
        if (!IsControl(c)) {
            shown += char(c);
            continue;
        }
        char code[5];
        std::snprintf(code, sizeof code, "\\x%02x", c);
        shown += code;
    }
    return shown;
}

void PrintLine(const std::string& line, FILE* to) {
    const std::string shown = Printable(line);
    std::fwrite(shown.data(), 1, shown.size(), to);
    std::fputc('\n', to);
    std::fflush(to);
}

}  // namespace

std::string KbText(int64_t bytes) { return std::to_string(bytes / 1024); }

void ConsolePrint(const std::string& line) { PrintLine(line, stdout); }

void PakMessage(const std::string& text) { ConsolePrint("Vorlath message : " + text); }

void PakWarning(const std::string& text) { ConsolePrint("Vorlath warning : " + text); }

bool PakFailure(const std::string& text) {
    PakWarning(text);
    Pak().PakFault = true;
    return false;
}

void Notify(const std::string& text, bool /*serious: the message box's icon*/) { PrintLine(text, stderr); }

}  // namespace kvx
