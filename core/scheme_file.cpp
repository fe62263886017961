#include "core/scheme_file.hpp"

#include <charconv>

#include "core/gui_font.hpp"
#include "platform/files.hpp"

namespace kvx {
namespace {

// A scheme is a few dozen short lines; anything far larger is not one.
constexpr size_t kMaxSchemeBytes = 64 * 1024;
constexpr int kChannels = 3;
constexpr int kMaxChannel = 255;
constexpr std::string_view kFontKey = "Font", kFontSizeKey = "FontSize";

#define KVX_SCHEME_ENTRY(member) \
    KVX_SchemeEntry { #member, &KVX_Scheme::member }
constexpr KVX_SchemeEntry kEntries[] = {
    KVX_SCHEME_ENTRY(WindowBodyEdgeA),
    KVX_SCHEME_ENTRY(WindowBodyEdgeB),
    KVX_SCHEME_ENTRY(WindowCaptionActive),
    KVX_SCHEME_ENTRY(WindowCaptionInactive),
    KVX_SCHEME_ENTRY(GadgetText),
    KVX_SCHEME_ENTRY(CustomButtonEdgeA),
    KVX_SCHEME_ENTRY(CustomButtonEdgeB),
    KVX_SCHEME_ENTRY(InputText),
    KVX_SCHEME_ENTRY(InputCaret),
    KVX_SCHEME_ENTRY(InputEdgeA),
    KVX_SCHEME_ENTRY(InputEdgeB),
    KVX_SCHEME_ENTRY(ProgressEdgeA),
    KVX_SCHEME_ENTRY(ProgressEdgeB),
    KVX_SCHEME_ENTRY(ProgressText),
    KVX_SCHEME_ENTRY(ImageEdgeA),
    KVX_SCHEME_ENTRY(ImageEdgeB),
    KVX_SCHEME_ENTRY(FrameText),
    KVX_SCHEME_ENTRY(FrameLineA),
    KVX_SCHEME_ENTRY(FrameLineB),
    KVX_SCHEME_ENTRY(ListText),
    KVX_SCHEME_ENTRY(ListEdgeA),
    KVX_SCHEME_ENTRY(ListEdgeB),
    KVX_SCHEME_ENTRY(ListSelection),
    KVX_SCHEME_ENTRY(ListSeparator),
    KVX_SCHEME_ENTRY(TabText),
    KVX_SCHEME_ENTRY(TabEdgeA),
    KVX_SCHEME_ENTRY(TabEdgeB),
    KVX_SCHEME_ENTRY(ScrollText),
    KVX_SCHEME_ENTRY(ScrollThumbFill),
    KVX_SCHEME_ENTRY(ScrollThumbLight),
    KVX_SCHEME_ENTRY(ScrollThumbDark),
    KVX_SCHEME_ENTRY(ScrollEdgeA),
    KVX_SCHEME_ENTRY(ScrollEdgeB),
    KVX_SCHEME_ENTRY(ComboText),
    KVX_SCHEME_ENTRY(ComboEdgeA),
    KVX_SCHEME_ENTRY(ComboEdgeB),
    KVX_SCHEME_ENTRY(ComboListText),
    KVX_SCHEME_ENTRY(TooltipText),
    KVX_SCHEME_ENTRY(TooltipFill),
    KVX_SCHEME_ENTRY(TooltipEdgeA),
    KVX_SCHEME_ENTRY(TooltipEdgeB),
    KVX_SCHEME_ENTRY(MenuText),
    KVX_SCHEME_ENTRY(MenuFill),
    KVX_SCHEME_ENTRY(MenuEdgeA),
    KVX_SCHEME_ENTRY(MenuEdgeB),
    KVX_SCHEME_ENTRY(MenuDark),
    KVX_SCHEME_ENTRY(MenuHighlight1),
    KVX_SCHEME_ENTRY(MenuHighlight2),
    KVX_SCHEME_ENTRY(MenuHighlight3),
    KVX_SCHEME_ENTRY(ColorIconEdgeA),
    KVX_SCHEME_ENTRY(ColorIconEdgeB),
    KVX_SCHEME_ENTRY(DialogText),
    KVX_SCHEME_ENTRY(WindowFrameTint),
    KVX_SCHEME_ENTRY(WindowBodyTint),
    KVX_SCHEME_ENTRY(ButtonTint),
    KVX_SCHEME_ENTRY(FieldTint),
    KVX_SCHEME_ENTRY(ListTint),
    KVX_SCHEME_ENTRY(TabTint),
    KVX_SCHEME_ENTRY(MenuTint),
};
#undef KVX_SCHEME_ENTRY
// A colour added to KVX_Scheme but not here would be neither saved nor loaded.
static_assert(sizeof(kEntries) / sizeof(kEntries[0]) * sizeof(KVX_ColorRef) == sizeof(KVX_Scheme));

// Changed in place: labels hold the scheme's colour objects, not copies of them.
void SetColorValue(KVX_ColorRef& color, int r, int g, int b) {
    if (!color) {
        color = KVX_Color::Create(r, g, b);
        return;
    }
    color->Red = uint8_t(r);
    color->Green = uint8_t(g);
    color->Blue = uint8_t(b);
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

const KVX_SchemeEntry* FindEntry(std::string_view name) {
    for (const KVX_SchemeEntry& entry : kEntries) {
        if (name == entry.Name) return &entry;
    }
    return nullptr;
}

// "R,G,B", each 0 to 255, spaces allowed around the numbers.
bool ParseChannels(std::string_view text, std::array<int, kChannels>& channels) {
    for (int i = 0; i < kChannels; ++i) {
        const size_t comma = i + 1 < kChannels ? text.find(',') : text.size();
        if (comma == std::string_view::npos) return false;
        const std::string_view number = Trimmed(text.substr(0, comma));
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), channels[i]);
        if (error != std::errc() || end != number.data() + number.size() || number.empty()) return false;
        if (channels[i] < 0 || channels[i] > kMaxChannel) return false;
        text = i + 1 < kChannels ? text.substr(comma + 1) : std::string_view();
    }
    return true;
}

// What the lines ask of the font, applied once all are read; line 0 when none names it.
struct FontRequest {
    std::string path;
    int pathLine = 0;
    int size = KVX_DefaultGuiFontSize;
    int sizeLine = 0;
};

// The skipped lines: how many, and the first of them in the file.
struct SkippedLines {
    int count = 0;
    int firstLine = 0;
    std::string first;

    void Add(int line, const std::string& why) {
        if (count++ == 0 || line < firstLine) {
            firstLine = line;
            first = why;
        }
    }
};

std::string ApplyFontLine(std::string_view key, std::string_view value, int lineNumber, FontRequest& font) {
    if (key == kFontKey) {
        if (value.empty()) return "Font needs a file name";
        font.path = std::string(value);
        font.pathLine = lineNumber;
        return "";
    }
    int size = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), size);
    if (error != std::errc() || end != value.data() + value.size() || value.empty() || size < KVX_MinGuiFontSize ||
        size > KVX_MaxGuiFontSize) {
        return "FontSize needs a number " + std::to_string(KVX_MinGuiFontSize) + " to " +
               std::to_string(KVX_MaxGuiFontSize);
    }
    font.size = size;
    font.sizeLine = lineNumber;
    return "";
}

// "" when the line was used or holds nothing; else why it was skipped.
std::string ApplyLine(std::string_view line, int lineNumber, int& colorsRead, FontRequest& font) {
    line = Trimmed(line);
    if (line.empty() || line.front() == '#') return "";
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return "not a \"Key=R,G,B\" line";
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (key == kFontKey || key == kFontSizeKey) return ApplyFontLine(key, value, lineNumber, font);
    const KVX_SchemeEntry* entry = FindEntry(key);
    if (!entry) return "unknown key \"" + std::string(key) + "\"";
    std::array<int, kChannels> rgb{};
    if (!ParseChannels(value, rgb)) return std::string(key) + " needs three numbers 0 to 255";
    SetColorValue(KVX_SchemeColors.*(entry->Member), rgb[0], rgb[1], rgb[2]);
    ++colorsRead;
    return "";
}

// A scheme without font lines asks for the toolkit's own font. One that cannot be loaded leaves
// the font in use, and its line is reported.
void ApplyFont(const FontRequest& font, SkippedLines& skipped) {
    const std::string path = font.pathLine ? font.path : KVX_DefaultGuiFontPath();
    if (path == KVX_GuiFontPath() && font.size == KVX_GuiFontSize()) return;
    if (KVX_SetGuiFont(path, font.size)) return;
    const int line = font.pathLine ? font.pathLine : font.sizeLine;
    if (line == 0) return;  // the toolkit's own font is missing: the one in use stays, as at start
    skipped.Add(line, "the font " + path + " at size " + std::to_string(font.size) +
                          " cannot be loaded; the font in use is kept");
}

}  // namespace

std::span<const KVX_SchemeEntry> KVX_SchemeEntries() { return kEntries; }

KVX_SchemeValues KVX_CurrentScheme() {
    KVX_SchemeValues values;
    for (const KVX_SchemeEntry& entry : kEntries) {
        const KVX_ColorRef& color = KVX_SchemeColors.*(entry.Member);
        values.push_back(color ? std::array<uint8_t, 3>{color->Red, color->Green, color->Blue}
                               : std::array<uint8_t, 3>{});
    }
    return values;
}

void KVX_SetScheme(const KVX_SchemeValues& values) {
    for (size_t i = 0; i < values.size() && i < std::size(kEntries); ++i) {
        SetColorValue(KVX_SchemeColors.*(kEntries[i].Member), values[i][0], values[i][1], values[i][2]);
    }
}

void KVX_ResetScheme() {
    const KVX_Scheme defaults = DefaultScheme();
    for (const KVX_SchemeEntry& entry : kEntries) {
        const KVX_Color& color = *(defaults.*(entry.Member));
        SetColorValue(KVX_SchemeColors.*(entry.Member), color.Red, color.Green, color.Blue);
    }
}

KVX_SchemeLoad KVX_LoadScheme(const std::string& path) {
    KVX_SchemeLoad result;
    const auto bytes = ReadWholeFile(path, kMaxSchemeBytes);
    if (!bytes) {
        result.error_ = path + (FileType(path) == kFileNone ? ": no such file"
                                                            : ": cannot be read as a scheme (not a file, or over " +
                                                                  std::to_string(kMaxSchemeBytes / 1024) + " KiB)");
        return result;
    }
    KVX_ResetScheme();
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    int lineNumber = 0;
    SkippedLines skipped;
    FontRequest font;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        ++lineNumber;
        const std::string problem = ApplyLine(line, lineNumber, result.colorsRead_, font);
        if (!problem.empty()) skipped.Add(lineNumber, problem);
    }
    ApplyFont(font, skipped);
    if (skipped.count > 0) {
        result.error_ = path + ": line " + std::to_string(skipped.firstLine) + ": " + skipped.first;
        if (skipped.count > 1) result.error_ += " (" + std::to_string(skipped.count) + " lines skipped)";
    }
    return result;
}

bool KVX_SaveScheme(const std::string& path) {
    // Saving through a link writes the file it names and keeps the link.
    const StreamPtr stream = WriteReplacement(path, AtLink::kFollow);
    if (!stream) return false;
    bool written =
        WriteLine(stream, "# Korvex colour scheme: Key=Red,Green,Blue (0 to 255), Font=file, FontSize=pixels");
    // Only a font other than the toolkit's own is written, so the scheme does not tie itself to
    // where the toolkit's font was installed.
    if (!KVX_GuiFontPath().empty() && KVX_GuiFontPath() != KVX_DefaultGuiFontPath()) {
        written = WriteLine(stream, std::string(kFontKey) + "=" + KVX_GuiFontPath()) && written;
    }
    if (KVX_GuiFontSize() != KVX_DefaultGuiFontSize) {
        written = WriteLine(stream, std::string(kFontSizeKey) + "=" + std::to_string(KVX_GuiFontSize())) && written;
    }
    for (const KVX_SchemeEntry& entry : kEntries) {
        const KVX_ColorRef& color = KVX_SchemeColors.*(entry.Member);
        if (!color) continue;
        written = WriteLine(stream, std::string(entry.Name) + "=" + std::to_string(color->Red) + "," +
                                        std::to_string(color->Green) + "," + std::to_string(color->Blue)) &&
                  written;
    }
    return written && CommitReplacement(stream);
}

}  // namespace kvx
