#pragma once
// The base of every gadget: shared state, the child pass and the propagation to children.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/color.hpp"
#include "core/timer.hpp"

namespace kvx {

class KVX_Gadget;
class KVX_Label;
class KVX_TabHolder;
using KVX_GadgetRef = std::shared_ptr<KVX_Gadget>;
using KVX_GadgetChildren = std::vector<KVX_GadgetRef>;

// Kind codes, as Kind reports them.
enum KVX_KindCode : uint8_t {
    KVX_KindDesigned = 0,
    KVX_KindTabpanel = 10,
    KVX_KindFrame = 20,
    KVX_KindImagebox = 30,
    KVX_KindLabel = 40,
    KVX_KindColorIcon = 40,
    KVX_KindCustomButton = 50,
    KVX_KindPushButton = 60,
    KVX_KindProgressbar = 70,
    KVX_KindScrollbar = 80,
    KVX_KindListbox = 90,
    KVX_KindInputbox = 100,
    KVX_KindCheckbox = 110,
    KVX_KindValue = 120,
    KVX_KindCombobox = 130,
    KVX_KindWindow = 140,
    KVX_KindMenu = 150,
};

class KVX_Gadget : public std::enable_shared_from_this<KVX_Gadget> {
public:
    int32_t Handle = 0;
    std::string Text;
    std::string Tooltip;
    std::optional<KVX_Timer> TooltipTimer;  // none until a button first restarts it
    int32_t X = 0, Y = 0;
    int32_t Width = 0, Height = 0;
    uint8_t Disabled = 0;
    uint8_t DisabledByTab = 0;  // Disabled was set by the tab panel it is attached to
    uint8_t Hidden = 0;
    uint8_t State = 0;  // what it means is each kind's own, written above its class
    uint8_t Closed = 0;
    float Step = 0.f;
    float Value = 0.f;
    float Minimum = 0.f, Maximum = 0.f;
    uint8_t IntegerOnly = 0;
    float Alpha = 1.f;
    int32_t ClickSound = 0;
    int32_t ClickLatch = 0;
    KVX_ColorRef Color;
    std::shared_ptr<KVX_Label> Caption;
    std::weak_ptr<KVX_Gadget> Parent;  // the parent's children list holds us, not the reverse
    int32_t AbsX = 0, AbsY = 0;
    int32_t Style = 0;
    std::shared_ptr<KVX_TabHolder> TabPanel;
    std::string TabTitle;
    int32_t TabIndex = 0;
    KVX_GadgetChildren Children;

    virtual ~KVX_Gadget() = default;
    virtual void AddChild(const KVX_GadgetRef& child);
    virtual uint8_t Kind() const = 0;
    virtual void Update(KVX_Gadget* parent) = 0;
    virtual void Free();
    // A gadget folded to its title (a minimised window) shows none of its tabs' gadgets.
    virtual bool Folded() const { return false; }

    KVX_GadgetRef ParentGadget() const { return Parent.lock(); }

protected:
    // The alpha of a gadget's own drawing: halved while disabled.
    float DrawAlpha(float disabledDivisor = 2.0f) const { return Disabled ? Alpha / disabledDivisor : Alpha; }
    // Whether the parent and every gadget above it up to the window is enabled: an inactive
    // window and the windows under a modal dialog are disabled.
    static bool ParentEnabled(const KVX_Gadget* parent);
    // Input is taken only while the parent is enabled and no drop-down or menu holds the mouse.
    static bool ParentAcceptsInput(const KVX_Gadget* parent);
    // The steps every kind ends its Update with: store the position, the child pass, propagation.
    void FinishUpdate(int absX, int absY);
};

// What the child pass needs of the tab panel a gadget is attached to (gadgets/tabpanel.hpp).
class KVX_TabHolder : public KVX_Gadget {
public:
    int32_t SelectedTab = 1;  // 1-based
};

void KVX_AddChild(const KVX_GadgetRef& parent, const KVX_GadgetRef& child);
void KVX_UpdateChildren(KVX_GadgetChildren& children, KVX_Gadget* parent);
void KVX_SetChildrenHidden(KVX_GadgetChildren& children, uint8_t flag);
void KVX_SetChildrenDisabled(KVX_GadgetChildren& children, uint8_t flag);
void KVX_SetChildrenAlpha(KVX_GadgetChildren& children, float alpha);
void KVX_FreeChildren(KVX_GadgetChildren& children);

// Releases an image or sound handle and sets it to 0.
void ReleaseHandleField(int32_t& handle);

int32_t NewGadgetHandle();

// Makes a gadget of kind T with a fresh handle.
template <class T>
std::shared_ptr<T> MakeGadget() {
    auto gadget = std::make_shared<T>();
    gadget->Handle = NewGadgetHandle();
    return gadget;
}

}  // namespace kvx
