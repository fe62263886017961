// Frames: a captioned border; the pointer takes them by their top band only.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/frame.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kGripHeight = 15;
// The frame's caption band sits above its box: the band's top is the caption's.
constexpr int32_t kCaptionInset = 5;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey};
// clang-format on

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Frame::Create, "KVX_Frame::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Tx, r.Ty);
};

}  // namespace

// clang-format off
const KindDescription kFrameKind{
    .Word = "Frame", .PaletteCaption = "Frame", .Keys = kKeys, .Create = LiveOf<kMake>,
    .CppType = "KVX_FrameRef", .CppCreate = CppOf<kMake>,
    .Export = [](const DesignedGadget& r, const std::string& parent) { return Creation{"KVX_Frame", BoxArguments(r, parent)}; },
    .HitHeight = [](const DesignedGadget&) { return kGripHeight; }, .CaptionIsHandle = true, .BandInsetY = kCaptionInset};
// clang-format on

}  // namespace kvx::studio
