#include "gadgets/tabpanel.hpp"

#include <strings.h>

#include <utility>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "platform/pixmap.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

int LoadPiece(const std::string& file, int width = 0, int height = 0) {
    return LoadSkinPiece(SkinPath(file), width, height);
}

// The line between the tabs and the body.
constexpr int32_t kBorderHeight = 5;

bool SameText(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

}  // namespace

KVX_TabpanelRef KVX_Tabpanel::Create(const KVX_GadgetRef& parent, const std::string& titles, int x, int y, int width,
                                     int height) {
    auto panel = MakeGadget<KVX_Tabpanel>();
    const KVX_GadgetRef owner = KVX_ParentOrDesktop(parent);
    panel->Parent = owner;
    panel->Text = titles;
    panel->X = x;
    panel->Y = y;
    panel->Width = width;
    panel->Height = height;
    panel->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));

    std::string all = titles;
    if (all.empty() || all.back() != '|') all += '|';
    std::string title;
    for (char c : all) {
        if (c != '|') {
            title += c;
            continue;
        }
        panel->Tabs.push_back(KVX_Tab{title, panel, ++panel->TabCount});
        title.clear();
    }

    panel->TabLeftImage = LoadPiece("Tab_left_un.png");
    const ImagePtr edge = ImageFromHandle(panel->TabLeftImage);
    panel->TabHeight = ImageHeight(edge);
    panel->TabEdgeWidth = ImageWidth(edge);
    panel->TabMiddleWidth = float(width / panel->TabCount - 2 * panel->TabEdgeWidth);
    if (panel->TabMiddleWidth < float(panel->TabEdgeWidth)) panel->TabMiddleWidth = 1.f;
    const int middle = int(panel->TabMiddleWidth);
    panel->TabMiddleImage = LoadPiece("Tab_middle_un.png", middle, panel->TabHeight);
    panel->TabRightImage = LoadPiece("Tab_right_un.png");
    panel->TabLeftSelImage = LoadPiece("Tab_left_se.png");
    panel->TabMiddleSelImage = LoadPiece("Tab_middle_se.png", middle, panel->TabHeight);
    panel->TabRightSelImage = LoadPiece("Tab_right_se.png");
    const int32_t a = ToARGB(KVX_SchemeColors.TabEdgeA), b = ToARGB(KVX_SchemeColors.TabEdgeB);
    panel->BodyImage = LoadSizedImage(SkinPath("Tab_Body.png"), width, height - panel->TabHeight - kBorderHeight, a, b, 1);
    panel->BorderImage = LoadSizedImage(SkinPath("Tab_Horizontal_Border.png"), width, kBorderHeight, a, b, 1);
    KVX_AddChild(owner, panel);
    return panel;
}

void KVX_Tabpanel::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        DrawImageHandle(BodyImage, ax, ay + TabHeight + kBorderHeight, KVX_SchemeColors.TabTint, 0);
        DrawImageHandle(BorderImage, ax, ay + TabHeight, KVX_SchemeColors.TabTint, 0);
        const float tabWidth = TabMiddleWidth + 2 * TabEdgeWidth;
        float xoff = 0.f;
        int n = 1;
        for (const KVX_Tab& tab : Tabs) {
            DrawTab(parent, tab, n, xoff, ax, ay);
            xoff += tabWidth;
            ++n;
        }
    }
    FinishUpdate(ax, ay);
}

void KVX_Tabpanel::DrawTab(const KVX_Gadget* parent, const KVX_Tab& tab, int n, float xoff, int ax, int ay) {
    const int tabWidth = int(TabMiddleWidth + 2 * TabEdgeWidth);
    const int left = int(ax + xoff);
    SetBlend(kAlphaBlend);
    SetImageFont(KVX_GuiFont);
    if (parent->Disabled == 0) {
        if (KVX_Mouse.MouseIn(left, ay, tabWidth, TabHeight, true) && !Disabled) {
            if (!ComboOpen && !MenuOpen) {
                SelectedTab = n;
                if (ClickSound && !ClickLatch) {
                    PlaySound(SoundFromHandle(ClickSound));
                    ClickLatch = 1;
                }
            }
        } else if (KVX_Mouse.LeftReleased) {
            ClickLatch = 0;
        }
    }
    SetViewport(0, 0, GraphicsWidth(), GraphicsHeight());
    const bool selected = n == SelectedTab;
    if (selected) SelectedTitle = tab.Title;
    DrawImageHandle(selected ? TabLeftSelImage : TabLeftImage, left, ay, KVX_SchemeColors.TabTint, 0);
    DrawImageHandle(selected ? TabMiddleSelImage : TabMiddleImage, int(ax + xoff + TabEdgeWidth), ay,
                    KVX_SchemeColors.TabTint, 0);
    DrawImageHandle(selected ? TabRightSelImage : TabRightImage, int(ax + xoff + TabEdgeWidth + TabMiddleWidth), ay,
                    KVX_SchemeColors.TabTint, 0);
    const int tx = int(ax + xoff + TabEdgeWidth + TabMiddleWidth / 2 - float(TextWidth(tab.Title) / 2));
    const int ty = ay + TabHeight / 2 - TextHeight(tab.Title) / 2 - 3;
    SetViewport(left + 3, ay, tabWidth - 6, TabHeight);
    DrawColoredText(tab.Title, tx, ty, KVX_SchemeColors.TabText, KVX_GuiFont);
}

void KVX_Tabpanel::Free() {
    for (int32_t* image : {&BodyImage, &BorderImage, &TabLeftImage, &TabMiddleImage, &TabRightImage, &TabLeftSelImage,
                           &TabMiddleSelImage, &TabRightSelImage}) {
        ReleaseHandleField(*image);
    }
    Tabs.clear();
    KVX_Gadget::Free();
}

int32_t TabIndexOf(const KVX_TabpanelRef& panel, const std::string& title) {
    if (!panel) return 0;
    for (const KVX_Tab& tab : panel->Tabs) {
        if (SameText(tab.Title, title)) return tab.Index;
    }
    return 0;
}

void AttachToTab(const KVX_GadgetRef& gadget, const KVX_TabpanelRef& panel, const std::string& title) {
    if (!gadget || !panel) return;
    gadget->TabPanel = panel;
    gadget->TabTitle = title;
    gadget->TabIndex = TabIndexOf(panel, title);
    gadget->X += panel->X;
    gadget->Y += panel->Y + panel->PageTop();
}

void JoinTab(const KVX_GadgetRef& gadget, const KVX_TabpanelRef& panel, int32_t tab) {
    if (!gadget || !panel || tab < 1 || tab > panel->TabCount) return;
    gadget->TabPanel = panel;
    gadget->TabTitle = panel->Tabs[size_t(tab - 1)].Title;
    gadget->TabIndex = tab;
}

int32_t KVX_TabPageTop() {
    // The embedded piece is decoded once and shared, so asking for every gadget on a tab is cheap.
    const PixmapPtr tab = SharedPixmap(SkinPath("Tab_left_un.png"));
    return (tab ? tab->height : 0) + kBorderHeight;
}

int32_t KVX_Tabpanel::PageTop() const { return TabHeight + kBorderHeight; }

int32_t KVX_Tabpanel::TabAt(int x, int y) const {
    const int tabWidth = int(TabMiddleWidth + 2 * TabEdgeWidth);
    if (tabWidth <= 0 || y < AbsY || y >= AbsY + TabHeight || x < AbsX) return 0;
    const int32_t n = (x - AbsX) / tabWidth + 1;
    return n <= TabCount ? n : 0;
}

}  // namespace kvx
