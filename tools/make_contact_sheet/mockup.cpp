#include <string>
#include <vector>

#include "mockup_painter.hpp"
#include "sheet.hpp"
#include "sheet_layout.hpp"

namespace kvx {
namespace {

constexpr Rgb kEdgeA{50, 69, 101}, kEdgeB{62, 86, 128};
constexpr Rgb kBodyEdge{46, 46, 46};
constexpr Rgb kThumb{0, 131, 178}, kThumbLight{0, 150, 204}, kThumbDark{0, 94, 128};
constexpr int kMockWidth = 640, kMockHeight = 440, kTitle = 20;

void Window(const MockupPainter& p, int x, int y, int width, int height, const std::string& caption, bool active) {
    const std::string state = active ? "_se.png" : "_un.png";
    const int body = height - kTitle;
    const ImagePtr left = p.Stretched("Window_title_left" + state, 15, kTitle);
    const ImagePtr middle = p.Stretched("Window_title_middle" + state, width - 30, kTitle);
    const ImagePtr right = p.Stretched("Window_title_right" + state, 15, kTitle);
    const ImagePtr bodyImage = p.Framed("Window_Body.png", width, body, kBodyEdge, kBodyEdge, 1);
    p.Put(bodyImage, x + 4, y + kTitle + 4, 0, 0.25f, {0, 0, 0});
    p.Put(left, x + 4, y + 4, 0, 0.25f, {0, 0, 0});
    p.Put(middle, x + 19, y + 4, 0, 0.25f, {0, 0, 0});
    p.Put(right, x + width - 11, y + 4, 0, 0.25f, {0, 0, 0});
    p.Put(bodyImage, x, y + kTitle);
    p.Put(left, x, y);
    p.Put(middle, x + 15, y);
    p.Put(right, x + width - 15, y);
    p.CentredText(caption, x + width / 2, y + kTitle / 2 - p.LineHeight() / 2 + 1,
                  active ? Rgb{250, 250, 250} : Rgb{100, 100, 100});
    const char* looks[] = {active ? "hi" : "un", "un", active ? "se" : "un"};
    p.Put(p.Stretched(std::string("Window_Close_") + looks[0] + ".png", 18, 18), x + width - 24, y + 1);
    p.Put(p.Stretched(std::string("Window_Minimize_") + looks[1] + ".png", 18, 18), x + width - 44, y + 1);
    p.Put(p.Stretched(std::string("Window_Lock_") + looks[2] + ".png", 18, 18), x + 5, y + 1);
}

void PushButton(const MockupPainter& p, int x, int y, int width, const char* look, const std::string& caption) {
    const std::string suffix = std::string("_") + look + ".png";
    const ImagePtr left = p.Natural("Button_left" + suffix);
    const int height = ImageHeight(left), cap = ImageWidth(left);
    p.Put(left, x, y);
    p.Put(p.Stretched("Button_middle" + suffix, width - 2 * cap, height), x + cap, y);
    p.Put(p.Natural("Button_right" + suffix), x + width - cap, y);
    p.CentredText(caption, x + width / 2, y + height / 2 - p.LineHeight() / 2 + 1);
}

void Fields(const MockupPainter& p, int ox, int oy) {
    const int l = p.LineHeight();
    p.Put(p.Stretched("Checkbox_un.png", 16, 16), ox + 10, oy + 44);
    p.Text("Option", ox + 31, oy + 45);
    p.Put(p.Stretched("Checkbox_se.png", 16, 16), ox + 100, oy + 44);
    p.Text("Checked", ox + 121, oy + 45);

    p.Put(p.Framed("Input_Unselect.png", 160, l + 1, kEdgeB, kEdgeA, 2), ox + 10, oy + 72);
    p.Text("Input box", ox + 13, oy + 73);
    p.Put(p.Framed("Input_Select.png", 160, l + 1, kEdgeB, kEdgeA, 2), ox + 190, oy + 72);
    p.Text("Focused", ox + 193, oy + 73);
    p.Bevel(ox + 192 + TextWidth("Focused") + 2, oy + 74, 2, l - 3, {255, 155, 50}, {}, {}, 0);

    p.Put(p.Framed("Combo_Body_un.png", 140, l + 1, kEdgeA, kEdgeB, 1), ox + 10, oy + 100);
    p.Put(p.Framed("Combo_Symbol_un.png", l + 1, l + 1, kEdgeA, kEdgeB, 1), ox + 150, oy + 100);
    p.Text("Combo", ox + 13, oy + 101);
    p.Put(p.Framed("Combo_Body_se.png", 140, l + 1, kEdgeA, kEdgeB, 1), ox + 190, oy + 100);
    p.Put(p.Framed("Combo_Symbol_se.png", l + 1, l + 1, kEdgeA, kEdgeB, 1), ox + 330, oy + 100);
    p.Text("Open", ox + 193, oy + 101);
    const ImagePtr item = p.Stretched("Icon_Item.png", 15, 15);
    const char* rows[] = {"First", "Second", "Third"};
    for (int i = 0; i < 3; ++i) {
        const int ry = oy + 101 + l + i * l;
        p.Put(p.Stretched(i == 1 ? "Combo_Bar_se.png" : "Combo_Bar_un.png", 140 + l + 1, l), ox + 190, ry);
        p.Put(item, ox + 192, ry);
        p.Text(rows[i], ox + 210, ry + 1);
    }

    p.Put(p.Framed("Progress_Body.png", 160, 21, kEdgeA, kEdgeB, 2), ox + 10, oy + 132);
    SetViewport(ox + 11, oy + 133, 95, 19);
    p.Put(p.Framed("Progress_Bar.png", 158, 19, {}, {}, 0), ox + 11, oy + 133);
    SetViewport(0, 0, kMockWidth, kMockHeight);
    p.CentredText("60 %", ox + 90, oy + 135);

    p.Put(p.Framed("Scrollbar_Horizontal_Body.png", 160, 16, kEdgeA, kEdgeB, 2), ox + 10, oy + 162);
    p.Bevel(ox + 60, oy + 163, 30, 14, kThumb, kThumbLight, kThumbDark, 1, 1.0f);
    p.Put(p.Framed("Scrollbar_Vertical_Body.png", 16, 120, kEdgeA, kEdgeB, 2), ox + 352, oy + 46);
    p.Bevel(ox + 353, oy + 70, 14, 30, kThumb, kThumbLight, kThumbDark, 1, 1.0f);

    p.Put(p.Framed("Input_Unselect.png", 120, l + 1, kEdgeB, kEdgeA, 2), ox + 190, oy + 162);
    p.Text("128", ox + 193, oy + 163);
    p.Put(p.Framed("Arrow_Up_hi.png", 16, (l + 1) / 2, kEdgeA, kEdgeB, 1), ox + 311, oy + 162);
    p.Put(p.Framed("Arrow_Down_un.png", 16, (l + 1) / 2, kEdgeA, kEdgeB, 1), ox + 311, oy + 163 + (l + 1) / 2);
}

void Tabs(const MockupPainter& p, int ox, int oy, int width, int height) {
    const ImagePtr left = p.Natural("Tab_left_un.png");
    const int tabHeight = ImageHeight(left), edge = ImageWidth(left);
    const char* titles[] = {"File", "Create", "Modify"};
    const int middle = width / 3 - 2 * edge;
    p.Put(p.Framed("Tab_Body.png", width, height - tabHeight - 5, kEdgeA, kEdgeB, 1), ox, oy + tabHeight + 5);
    p.Put(p.Framed("Tab_Horizontal_Border.png", width, 5, kEdgeA, kEdgeB, 1), ox, oy + tabHeight);
    for (int i = 0; i < 3; ++i) {
        const std::string suffix = i == 1 ? "_se.png" : "_un.png";
        const int x = ox + i * (middle + 2 * edge);
        p.Put(p.Natural("Tab_left" + suffix), x, oy);
        p.Put(p.Stretched("Tab_middle" + suffix, middle, tabHeight), x + edge, oy);
        p.Put(p.Natural("Tab_right" + suffix), x + edge + middle, oy);
        p.CentredText(titles[i], x + edge + middle / 2, oy + tabHeight / 2 - p.LineHeight() / 2 - 1, {255, 255, 255});
    }
    PushButton(p, ox + 10, oy + tabHeight + 15, 90, "un", "Save");
    PushButton(p, ox + 110, oy + tabHeight + 15, 90, "un", "Load");
}

void List(const MockupPainter& p, int ox, int oy, int width, int rows) {
    const int l = p.LineHeight(), height = rows * l;
    p.Put(p.Framed("Listbox_Body.png", width, height, kEdgeB, kEdgeA, 1), ox, oy);
    const std::pair<const char*, const char*> items[] = {
        {"Icon_Folder.png", "Projects"},    {"Icon_Picture.png", "Photo.png"}, {"Icon_Sound.png", "Chime.wav"},
        {"Icon_Archive.png", "Backup.pak"}, {"Icon_Program.png", "Tool.exe"},  {"Icon_Web.png", "index.html"},
        {"Icon_Document.png", "Notes.txt"}, {"Icon_Default.png", "data.bin"},  {"Icon_CDROM.png", "CD-ROM (E:)"},
        {"Icon_Floppy.png", "Floppy (A:)"}, {"Icon_Drive.png", "Disk (C:)"},   {"Icon_Network.png", "Net (N:)"},
        {"Icon_Ramdrive.png", "RAM (R:)"},  {"Icon_Screen.png", "1024 x 768"}, {"Icon_Item.png", "Item"}};
    int row = 0;
    for (const auto& [icon, text] : items) {
        if (row >= rows) break;
        const int y = oy + row * l;
        if (row == 1) p.Bevel(ox, y + 1, width, l - 2, kThumb, {}, {}, 0);
        p.Put(p.Stretched(icon, 15, 15), ox + 2, y + 1);
        p.Text(text, ox + 19, y + 2);
        ++row;
    }
    p.Put(p.Framed("Arrow_Up_un.png", 15, 15, kEdgeA, kEdgeB, 1), ox + width + 1, oy + height - 31);
    p.Put(p.Framed("Arrow_Down_hi.png", 15, 15, kEdgeA, kEdgeB, 1), ox + width + 1, oy + height - 15);
    p.Put(p.Framed("Arrow_Left_se.png", 15, 15, kEdgeA, kEdgeB, 1), ox + width - 15, oy + height + 1);
    p.Put(p.Framed("Arrow_Right_un.png", 15, 15, kEdgeA, kEdgeB, 1), ox + width + 1, oy + height + 1);
}

void Menus(const MockupPainter& p) {
    const int l = p.LineHeight();
    p.Put(p.Stretched("Menu_Bar.png", kMockWidth, 26), 0, 0);
    p.Bevel(40, 2, 50, l - 2, {255, 150, 0}, {}, {}, 0, 0.8f);
    p.Text("File", 5, 2);
    p.Text("Edit", 45, 2);
    p.Text("View", 95, 2);
    const int px = 40, py = l, pw = 130, ph = 5 * l + 2;
    p.Bevel(px + 4, py + 4, pw, ph, {0, 0, 0}, {}, {}, 0, 0.3f);
    p.Bevel(px, py, pw, ph, {50, 50, 50}, kEdgeA, kEdgeB, 1);
    p.Bevel(px + 1, py + 1, 20, ph - 2, {195, 111, 0}, {}, {}, 0);
    const char* entries[] = {"Open", "Save", "Grid", "[]", "Recent"};
    for (int i = 0; i < 5; ++i) {
        const int y = py + 1 + i * l;
        if (i == 1) p.Bevel(px + 1, y, pw - 2, l, {255, 150, 0}, {255, 171, 31}, {255, 171, 31}, 1, 0.8f);
        if (i == 3) {
            p.Bevel(px + 8, y + l / 2, pw - 16, 1, {10, 10, 10}, {}, {}, 0);
            continue;
        }
        if (i == 0) p.Put(p.Stretched("Icon_Folder.png", 15, 15), px + 3, y + 1);
        if (i == 2) {
            p.Put(p.Stretched("Menu_Checkmark.png", 15, 15), px + 23, y + 2);
            p.Text(entries[i], px + 41, y + 1);
            continue;
        }
        p.Text(entries[i], px + 22, y + 1);
        if (i == 4) p.Put(p.Stretched("Icon_Item.png", 15, 15), px + pw - 18, y + 2);
    }
}

}  // namespace

bool WriteMockup(const std::string& graphicsDir, const std::string& outputPath) {
    UseBackend(Backend::Headless);
    Graphics(kMockWidth, kMockHeight);
    SetClsColor(34, 44, 60);
    Cls();
    const MockupPainter p(graphicsDir);

    Window(p, 14, 36, 380, 395, "Korvex Studio", true);
    const int ox = 14, oy = 36 + kTitle + 1;
    PushButton(p, ox + 10, oy + 10, 100, "un", "Normal");
    PushButton(p, ox + 120, oy + 10, 100, "hi", "Hover");
    PushButton(p, ox + 230, oy + 10, 100, "se", "Pressed");
    Fields(p, ox, oy);
    Tabs(p, ox + 10, oy + 190, 360, 170);

    Window(p, 410, 40, 216, 250, "Files", false);
    List(p, 420, 40 + kTitle + 11, 180, 12);

    Window(p, 410, 300, 216, 130, "Message", true);
    p.Put(p.Natural("Messagebox_Warning.png"), 420, 330);
    p.Text("Save the design?", 494, 340);
    PushButton(p, 494, 392, 56, "hi", "Yes");
    PushButton(p, 556, 392, 56, "un", "No");

    Menus(p);
    const ImagePtr cursor = p.Cursor("Mouse02_Normal.png", 32, 32, 6);
    p.Put(cursor, 190, 40, 0, 0.25f, {0, 0, 0});
    p.Put(cursor, 186, 36 + kTitle + 1 + 18);

    Pixmap frame(kMockWidth, kMockHeight);
    for (int y = 0; y < kMockHeight; ++y)
        for (int x = 0; x < kMockWidth; ++x) frame.at(x, y) = 0xFF000000u | BackBufferPixel(x, y);
    EndGraphics();
    return SavePixmapPNG(*Enlarge(frame, 2), outputPath, false);
}

}  // namespace kvx
