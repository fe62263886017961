#include "dialogs/directory_listing.hpp"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/skin.hpp"
#include "gadgets/item_text.hpp"
#include "platform/files.hpp"

namespace kvx {
namespace {

struct IconRow {
    const char* icon;
    std::vector<const char*> endings;
};

const std::vector<IconRow>& IconTable() {
    static const std::vector<IconRow> table = {
        {"Icon_Picture.png",
         {".BMP", ".JPG", ".PNG", ".TGA", ".TIF", ".GIF", ".EPS", ".PSD", ".IFF", ".PCT", ".RAW", ".PCX", ".PXR",
          ".WMF", ".AVI", ".MPG"}},
        {"Icon_Web.png", {".HTM", ".PHP"}},
        {"Icon_Sound.png", {".MP3", ".WAV", ".OGG"}},
        {"Icon_Archive.png", {".RAR", ".ZIP", ".ISO", ".TAR", ".ACE", ".LHA"}},
        {"Icon_Document.png", {".TXT", ".INI", ".DOC", ".RTF", ".NFO", ".CFG", ".LOG"}},
        {"Icon_Program.png", {".EXE", ".DLL", ".SYS", ".COM"}},
    };
    return table;
}

std::string LastChars(const std::string& text, size_t n) {
    return text.size() > n ? text.substr(text.size() - n) : text;
}

// Folded text first, bytes second, so the order is stable and "B" sits by "b".
bool ListedBefore(const std::string& a, const std::string& b) {
    const auto folded = [](const std::string& s) {
        std::string f(s);
        for (char& c : f) c = char(FoldLatin1(static_cast<unsigned char>(c)));
        return f;
    };
    const std::string fa = folded(a), fb = folded(b);
    return fa != fb ? fa < fb : a < b;
}

// The entries of the working directory but ".", in name order (the system's order is arbitrary);
// none when it cannot be read.
std::optional<std::vector<std::string>> WorkingDirectoryEntries() {
    const DirPtr dir = ReadDir("");
    if (!dir) return std::nullopt;
    std::vector<std::string> names;
    for (std::string name = NextFile(dir); !name.empty(); name = NextFile(dir)) {
        if (name != ".") names.push_back(name);
    }
    CloseDir(dir);
    std::sort(names.begin(), names.end(), ListedBefore);
    return names;
}

}  // namespace

std::string FileIconPath(const std::string& name) {
    const std::string ending = LastChars(name, 4);
    for (const IconRow& row : IconTable()) {
        for (const char* candidate : row.endings) {
            if (SameTextIgnoringCase(ending, candidate)) return SkinPath(row.icon);
        }
    }
    return SkinPath("Icon_Default.png");
}

bool MatchesFilter(const std::string& name, const std::string& filter) {
    if (filter == ".*") return true;
    return !filter.empty() && name.size() >= filter.size() &&
           SameTextIgnoringCase(LastChars(name, filter.size()), filter);
}

bool ListDirectory(const std::string& path, const KVX_ListboxRef& list, const std::string& filter, uint8_t dirsOnly) {
    list->ClearItems();
    const bool entered = ChangeDir(path);
    const auto names = WorkingDirectoryEntries();
    if (!names) return entered;
    for (const std::string& name : *names) {
        if (FileType(name) == kFileDirectory && !SameTextIgnoringCase(name, "System Volume Information")) {
            list->AddItem(name, SkinPath("Icon_Folder.png"));
        }
    }
    if (dirsOnly != 0) return entered;
    list->AddItem("[]", "");
    for (const std::string& name : *names) {
        if (FileType(name) == kFileRegular && MatchesFilter(name, filter)) list->AddItem(name, FileIconPath(name));
    }
    return entered;
}

}  // namespace kvx
