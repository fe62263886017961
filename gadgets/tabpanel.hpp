#pragma once
// A row of tabs over a skinned body; gadgets attached to a tab show only on its page.
#include <vector>

#include "core/gadget.hpp"

namespace kvx {

class KVX_Tabpanel;
using KVX_TabpanelRef = std::shared_ptr<KVX_Tabpanel>;

struct KVX_Tab {
    std::string Title;
    std::weak_ptr<KVX_Tabpanel> Owner;
    int32_t Index = 0;  // 1-based
};

// State: unused.
class KVX_Tabpanel : public KVX_TabHolder {
public:
    int32_t BodyImage = 0;
    int32_t BorderImage = 0;
    int32_t TabLeftImage = 0, TabMiddleImage = 0, TabRightImage = 0;
    int32_t TabLeftSelImage = 0, TabMiddleSelImage = 0, TabRightSelImage = 0;
    int32_t TabHeight = 0;
    float TabMiddleWidth = 0.f;
    int32_t TabCount = 0;
    int32_t TabEdgeWidth = 0;
    std::string SelectedTitle;
    std::vector<KVX_Tab> Tabs;

    uint8_t Kind() const override { return KVX_KindTabpanel; }
    // titles joined by "|", e.g. "File|Create|Modify"
    static KVX_TabpanelRef Create(const KVX_GadgetRef& parent, const std::string& titles, int x, int y, int width,
                                  int height);
    void Update(KVX_Gadget* parent) override;
    void Free() override;
    // How far below the panel's top its page starts.
    int32_t PageTop() const;
    // 1-based number of the tab drawn at that screen point, as of the last frame; 0 for none.
    int32_t TabAt(int x, int y) const;

private:
    void DrawTab(const KVX_Gadget* parent, const KVX_Tab& tab, int n, float xoff, int ax, int ay);
};

// Attaches the gadget to the panel's tab of that title (ignoring case) and moves it into the body.
void AttachToTab(const KVX_GadgetRef& gadget, const KVX_TabpanelRef& panel, const std::string& title);
// Puts the gadget on the panel's tab of that number where it stands, its place in the window kept.
void JoinTab(const KVX_GadgetRef& gadget, const KVX_TabpanelRef& panel, int32_t tab);
// How far below a panel's top its page starts, the tabs and the border above the body: what
// AttachToTab adds to a gadget's place.
int32_t KVX_TabPageTop();
// 1-based number of the first tab of that title, ignoring case; 0 when there is none.
int32_t TabIndexOf(const KVX_TabpanelRef& panel, const std::string& title);

}  // namespace kvx
