#include "ne_writer.hpp"

#include <cctype>
#include <span>

#include "byte_writer.hpp"
#include "fnt_writer.hpp"

namespace kvx {
namespace {

constexpr size_t kNeHeaderOffset = 0x80;
constexpr size_t kNeHeaderSize = 0x40;
constexpr unsigned kAlignShift = 4;  // resources start on 16-byte boundaries
constexpr size_t kAlignUnit = size_t(1) << kAlignShift;
constexpr unsigned kLibraryModule = 0x8000;
constexpr unsigned kWindowsApi = 0x0300;
constexpr unsigned kTargetWindows = 2;
constexpr unsigned kWindows3 = 0x0300;
constexpr unsigned kTypeFontDir = 0x8007;
constexpr unsigned kTypeFont = 0x8008;
constexpr unsigned kIntegerId = 0x8000;
constexpr unsigned kFontDirFlags = 0x0C50;        // moveable, preload
constexpr unsigned kFontFlags = 0x1C30;           // moveable, shareable, discardable
constexpr size_t kFontDirEntryHeaderBytes = 113;  // dfVersion .. dfReserved of the FNT header

// Prints a line and exits when run under DOS.
void WriteDosStub(ByteWriter& out) {
    const size_t imageSize = kNeHeaderOffset;
    out.Text("MZ");
    out.U16(unsigned(imageSize % 512));
    out.U16(unsigned((imageSize + 511) / 512));
    out.U16(0);       // relocations
    out.U16(4);       // header paragraphs
    out.U16(0);       // minimum extra paragraphs
    out.U16(0xFFFF);  // maximum extra paragraphs
    out.U16(0);       // SS
    out.U16(0xB8);    // SP
    out.U16(0);       // checksum
    out.U16(0);       // IP
    out.U16(0);       // CS
    out.U16(0x40);    // relocation table offset; 0x40 marks a new-style executable
    out.U16(0);       // overlay
    out.PadTo(0x3C);
    out.U32(uint32_t(kNeHeaderOffset));
    // push cs; pop ds; mov dx, message; mov ah, 9; int 21h; mov ax, 4C01h; int 21h
    const uint8_t code[] = {0x0E, 0x1F, 0xBA, 0x0E, 0x00, 0xB4, 0x09, 0xCD, 0x21, 0xB8, 0x01, 0x4C, 0xCD, 0x21};
    out.Append(code);
    out.Text("This is a font library, not a program.\r\n$");
    out.PadTo(kNeHeaderOffset);
}

std::string ModuleName(const std::string& faceName) {
    std::string name;
    for (char c : faceName)
        if (std::isalnum(static_cast<unsigned char>(c)) && name.size() < 8)
            name += char(std::toupper(static_cast<unsigned char>(c)));
    return name.empty() ? "FONT" : name;
}

struct ResourceSlot {
    size_t offsetField = 0;  // where rnOffset is written; rnLength follows
};

ResourceSlot WriteResourceType(ByteWriter& out, unsigned type, unsigned flags, unsigned id) {
    out.U16(type);
    out.U16(1);  // one resource of this type
    out.U32(0);
    ResourceSlot slot{out.Size()};
    out.U16(0);  // rnOffset, patched
    out.U16(0);  // rnLength, patched
    out.U16(flags);
    out.U16(id);
    out.U32(0);
    return slot;
}

bool PlaceResource(ByteWriter& out, ResourceSlot slot, std::span<const uint8_t> data) {
    out.AlignTo(kAlignUnit);
    const size_t units = out.Size() >> kAlignShift;
    const size_t lengthUnits = (data.size() + kAlignUnit - 1) >> kAlignShift;
    if (units > 0xFFFF || lengthUnits > 0xFFFF) return false;
    out.PatchU16(slot.offsetField, unsigned(units));
    out.PatchU16(slot.offsetField + 2, unsigned(lengthUnits));
    out.Append(data);
    out.AlignTo(kAlignUnit);
    return true;
}

std::vector<uint8_t> FontDirectory(const std::vector<uint8_t>& fnt, const std::string& faceName, unsigned fontId) {
    ByteWriter dir;
    dir.U16(1);  // fonts
    dir.U16(fontId);
    dir.Append(std::span(fnt).first(kFontDirEntryHeaderBytes));
    dir.CText("");  // device name
    dir.CText(faceName);
    return dir.Bytes();
}

}  // namespace

std::optional<std::vector<uint8_t>> BuildFon(const std::vector<uint8_t>& fnt, const std::string& faceName, int points) {
    constexpr unsigned kFontId = 1;
    ByteWriter out;
    WriteDosStub(out);

    const size_t ne = out.Size();
    auto relative = [&] { return unsigned(out.Size() - ne); };
    out.Text("NE");
    out.U8(5);  // linker version
    out.U8(10);
    const size_t entryTableField = out.Size();
    out.U16(0);  // entry table offset, patched
    out.U16(2);  // entry table length
    out.U32(0);  // CRC
    out.U16(kLibraryModule | kWindowsApi);
    out.U16(0);  // automatic data segment
    out.U16(0);  // heap
    out.U16(0);  // stack
    out.U32(0);  // CS:IP
    out.U32(0);  // SS:SP
    out.U16(0);  // segments
    out.U16(0);  // module references
    const size_t nonResidentLengthField = out.Size();
    out.U16(0);
    out.U16(unsigned(kNeHeaderSize));       // segment table (empty)
    out.U16(unsigned(kNeHeaderSize));       // resource table
    const size_t tableFields = out.Size();  // resident names, module references, imported names
    out.Zeros(3 * 2);
    const size_t nonResidentOffsetField = out.Size();
    out.U32(0);
    out.U16(0);  // movable entry points
    out.U16(kAlignShift);
    out.U16(0);  // resource segments
    out.U8(kTargetWindows);
    out.U8(0);
    out.U16(0);  // return thunks
    out.U16(0);  // segment reference thunks
    out.U16(0);  // code swap area
    out.U16(kWindows3);

    // Resource table; FreeType and Windows read it up to the resident name table.
    const size_t resourceTable = out.Size();
    out.U16(kAlignShift);
    const ResourceSlot dirSlot = WriteResourceType(out, kTypeFontDir, kFontDirFlags, 0);
    const ResourceSlot fontSlot = WriteResourceType(out, kTypeFont, kFontFlags, kIntegerId | kFontId);
    out.U16(0);                                                                   // end of types
    out.PatchU16(dirSlot.offsetField + 6, unsigned(out.Size() - resourceTable));  // the FONTDIR name
    out.CountedText("FONTDIR");
    out.U8(0);  // end of names

    out.PatchU16(tableFields, relative());
    out.CountedText(ModuleName(faceName));
    out.U16(0);  // ordinal
    out.U8(0);
    out.PatchU16(tableFields + 2, relative());  // no module references
    out.PatchU16(tableFields + 4, relative());
    out.U8(0);  // no imported names
    out.PatchU16(entryTableField, relative());
    out.U16(0);  // no entry points

    // Windows recognises a font library by this module description.
    const size_t nonResident = out.Size();
    out.PatchU32(nonResidentOffsetField, uint32_t(nonResident));
    out.CountedText("FONTRES 100," + std::to_string(kScreenDpi) + "," + std::to_string(kScreenDpi) + " : " + faceName +
                    " " + std::to_string(points));
    out.U16(0);  // ordinal
    out.U8(0);
    out.PatchU16(nonResidentLengthField, unsigned(out.Size() - nonResident));

    if (!PlaceResource(out, dirSlot, FontDirectory(fnt, faceName, kFontId)) || !PlaceResource(out, fontSlot, fnt))
        return std::nullopt;
    return out.Bytes();
}

}  // namespace kvx
