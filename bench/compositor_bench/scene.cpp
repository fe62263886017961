#include "scene.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "pictures.hpp"

namespace kvx::bench {
namespace {

constexpr int kWindowSize = 256;
constexpr int kTitleHeight = 23;
constexpr int kRowWidth = 140, kRowHeight = 23;
constexpr int kGlyphCount = 300;

constexpr Tint kWhite{};
constexpr Tint kShadow{0, 0, 0, 0.25f};

// Indices of the pictures in Scene::images.
enum Picture : int {
    kBackground,
    kBody0,
    kLeftCap = kBody0 + 3,
    kRightCap,
    kTitleMiddle,
    kTallIcons,
    kRoundIcons = kTallIcons + 4
};

class SceneBuilder {
public:
    explicit SceneBuilder(const FontPtr& font) { scene_.font = font; }

    void Pictures() {
        Add(BackgroundPicture(kWidth, kHeight));
        for (int i = 0; i < 3; ++i) Add(WindowBodyPicture(kWindowSize, 6 * i - 6));
        Add(TitleCapPicture(false));
        Add(TitleCapPicture(true));
        // The toolkit stretches title middles once, when the window is made.
        Add(ResizePixmap(TitleMiddlePicture(), kWindowSize - 30, kTitleHeight));
        for (int v = 0; v < 4; ++v) Add(TallIconPicture(v));
        for (int v = 0; v < 4; ++v) Add(RoundIconPicture(v));
    }

    void Image(DrawGroup group, int picture, int x, int y, Tint tint = kWhite) {
        Draw d;
        d.kind = DrawKind::Image;
        d.group = group;
        d.tint = tint;
        d.image = picture;
        d.x = x;
        d.y = y;
        scene_.draws.push_back(std::move(d));
    }

    // Alternates the two small sizes and their colour variants.
    void Icon(int x, int y) {
        const int n = icons_++;
        Image(DrawGroup::SmallPicture, (n % 2 ? kRoundIcons : kTallIcons) + (n / 2) % 4, x, y);
    }

    void Rect(int x, int y, Tint tint) { Box(DrawKind::Rect, DrawGroup::Rect, x, y, kRowWidth, kRowHeight, tint); }

    void HLine(int x0, int x1, int y, Tint tint) { Box(DrawKind::Line, DrawGroup::Line, x0, y, x1 - x0 + 1, 1, tint); }
    void VLine(int x, int y0, int y1, Tint tint) { Box(DrawKind::Line, DrawGroup::Line, x, y0, 1, y1 - y0 + 1, tint); }

    // Labels share out a fixed number of glyphs; once they are used up, labels are left out.
    void Label(const std::string& text, int x, int y, Tint tint) {
        std::string kept;
        std::vector<PlacedGlyph> glyphs;
        const ImageFont& font = *scene_.font;
        float pen = float(x);
        for (unsigned char c : text) {
            const Glyph& g = font.glyphs[c];
            if (!g.present) continue;
            // Bitmap fonts give the space an empty bitmap: DrawText still draws it, the others need not.
            const bool visible = std::any_of(g.coverage.begin(), g.coverage.end(), [](uint8_t c) { return c > 0; });
            if (visible && glyphsLeft_ == 0) break;
            kept += char(c);
            if (visible) {
                glyphs.push_back({c, int(std::floor(pen)) + g.left, y + g.top});
                --glyphsLeft_;
            }
            pen += g.advance;
        }
        if (glyphs.empty()) return;
        Draw d;
        d.kind = DrawKind::Text;
        d.group = DrawGroup::Text;
        d.tint = tint;
        d.x = x;
        d.y = y;
        d.text = std::move(kept);
        d.glyphs = std::move(glyphs);
        scene_.draws.push_back(std::move(d));
    }

    Scene Finish() {
        if (glyphsLeft_ != 0) throw std::runtime_error("the font has too few visible glyphs for the frame");
        return std::move(scene_);
    }

private:
    void Add(PixmapPtr pixels) {
        bool opaque = true;
        for (uint32_t p : pixels->pixels) opaque = opaque && (p >> 24) == 255;
        scene_.images.push_back({std::move(pixels), opaque});
    }

    void Box(DrawKind kind, DrawGroup group, int x, int y, int w, int h, Tint tint) {
        Draw d;
        d.kind = kind;
        d.group = group;
        d.tint = tint;
        d.x = x;
        d.y = y;
        d.w = w;
        d.h = h;
        scene_.draws.push_back(std::move(d));
    }

    Scene scene_;
    int icons_ = 0;
    int glyphsLeft_ = kGlyphCount;
};

const char* const kWords[] = {"Open design", "Save design", "Export source", "Push button", "Check box",
                              "Input box",   "Value box",   "Scroll bar",    "List box",    "Combo box",
                              "Image box",   "Progress",    "Colour icon",   "Tab panel",   "Label text"};
constexpr int kWordCount = int(std::size(kWords));

const Tint kRowFills[] = {{0, 131, 178, 0.8f}, {50, 50, 50, 0.8f}, {62, 86, 128, 0.8f}, {120, 120, 120, 0.8f}};
constexpr Tint kLabelInk{250, 250, 250, 1.f};
constexpr Tint kDarkInk{10, 10, 20, 1.f};
constexpr Tint kEdgeA{50, 69, 101, 1.f};
constexpr Tint kEdgeB{62, 86, 128, 1.f};

// A row: a translucent bar with an icon and a label on it.
void Row(SceneBuilder& b, int x, int y, int index) {
    b.Rect(x, y, kRowFills[index % 4]);
    b.Icon(x + 3, y);
    b.Label(kWords[index % kWordCount], x + 26, y + 5, index % 4 == 3 ? kDarkInk : kLabelInk);
}

void Window(SceneBuilder& b, int wx, int wy, int index, const char* title, int& rows) {
    const int by = wy + kTitleHeight;
    b.Image(DrawGroup::Shadow, kBody0 + index, wx + 4, by + 4, kShadow);
    b.Image(DrawGroup::WindowPicture, kBody0 + index, wx, by);
    b.Image(DrawGroup::WindowPicture, kLeftCap, wx, wy);
    b.Image(DrawGroup::WindowPicture, kTitleMiddle, wx + 15, wy);
    b.Image(DrawGroup::WindowPicture, kRightCap, wx + kWindowSize - 15, wy);
    b.Label(title, wx + 12, wy + 5, kLabelInk);
    b.HLine(wx, wx + kWindowSize - 1, by, {90, 120, 170, 1.f});
    // A bevelled frame around the rows: dark edges first, then light ones.
    const int x0 = wx + 4, x1 = wx + 152, y0 = by + 4, y1 = by + 217;
    b.HLine(x0, x1, y1, kEdgeB);
    b.VLine(x1, y0, y1, kEdgeB);
    b.HLine(x0, x1, y0, kEdgeA);
    b.VLine(x0, y0, y1, kEdgeA);
    for (int i = 0; i < 8; ++i) Row(b, wx + 8, by + 8 + 26 * i, rows++);
    for (int i = 0; i < 4; ++i) b.Icon(wx + 8 + 30 * i, by + 224);
}

}  // namespace

Scene BuildStudioScene(const FontPtr& font) {
    SceneBuilder b(font);
    b.Pictures();
    b.Image(DrawGroup::Background, kBackground, 0, 0);
    int rows = 0;
    const char* const titles[] = {"Tool window", "Properties", "Gadgets"};
    const int positions[][2] = {{64, 84}, {384, 150}, {704, 104}};
    for (int i = 0; i < 3; ++i) Window(b, positions[i][0], positions[i][1], i, titles[i], rows);
    for (int i = 0; i < 7; ++i) Row(b, 8 + 144 * i, 4, rows++);
    for (int i = 0; i < 7; ++i) Row(b, 8 + 144 * i, 700, rows++);
    for (int i = 0; i < 2; ++i) Row(b, 8 + 144 * i, 736, rows++);
    for (int i = 0; i < 8; ++i) b.Icon(990, 120 + 40 * i);
    b.HLine(0, kWidth - 1, 30, kEdgeB);
    b.HLine(0, kWidth - 1, 694, kEdgeB);
    b.VLine(980, 31, 693, kEdgeA);
    // The designer's crosshair comes last, over everything.
    b.HLine(0, kWidth - 1, 471, {128, 128, 128, 1.f});
    b.VLine(517, 0, kHeight - 1, {128, 128, 128, 1.f});
    return b.Finish();
}

const char* GroupName(DrawGroup group) {
    switch (group) {
        case DrawGroup::Background: return "background";
        case DrawGroup::Shadow: return "shadows";
        case DrawGroup::WindowPicture: return "window bodies+titles";
        case DrawGroup::SmallPicture: return "small pictures";
        case DrawGroup::Rect: return "rectangles";
        case DrawGroup::Line: return "lines";
        case DrawGroup::Text: return "glyphs";
    }
    return "";
}

SceneCounts CountDraws(const Scene& scene) {
    SceneCounts counts;
    for (const Draw& d : scene.draws) {
        switch (d.kind) {
            case DrawKind::Image: ++counts.images; break;
            case DrawKind::Rect: ++counts.rects; break;
            case DrawKind::Line: ++counts.lines; break;
            case DrawKind::Text: counts.glyphs += int(d.glyphs.size()); break;
        }
    }
    return counts;
}

}  // namespace kvx::bench
