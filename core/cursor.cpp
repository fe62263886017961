#include "core/cursor.hpp"

#include <string>

#include "core/skin.hpp"
#include "platform/handles.hpp"
#include "platform/image.hpp"

namespace kvx {
namespace {

struct StripLayout {
    const char* file;
    int cellWidth, cellHeight, cellCount;
};

bool LayoutOf(int kind, int set, StripLayout& layout) {
    static const StripLayout kSet1[] = {
        {"Mouse01_Normal.png", 28, 30, 9}, {"Mouse01_Help.png", 28, 30, 11}, {"Mouse01_Busy.png", 32, 32, 6}};
    static const StripLayout kSet2[] = {
        {"Mouse02_Normal.png", 32, 32, 6}, {"Mouse02_Help.png", 32, 32, 6}, {"Mouse02_Busy.png", 32, 32, 6}};
    if ((set != 1 && set != 2) || (kind != 10 && kind != 20 && kind != 30)) return false;
    const StripLayout* table = set == 1 ? kSet1 : kSet2;
    layout = table[kind / 10 - 1];
    return true;
}

}  // namespace

KVX_Cursor KVX_Cursor::Create(int kind, int set) {
    KVX_Cursor cursor;
    if (set == 1 || set == 2) RegisterCursorStrips(set);
    StripLayout layout;
    if (LayoutOf(kind, set, layout)) {
        cursor.CellWidth = layout.cellWidth;
        cursor.CellHeight = layout.cellHeight;
        cursor.CellCount = layout.cellCount;
        const std::string path = std::string("incbin::./KVX_Graphics/") + layout.file;
        cursor.Image = HandleFromImage(
            LoadAnimImage(path, cursor.CellWidth, cursor.CellHeight, cursor.FirstCell, cursor.CellCount, kMaskedImage));
    }
    cursor.FrameTimer = KVX_Timer::Create(cursor.Delay);
    return cursor;
}

}  // namespace kvx
