#include "studio/scheme_sample.hpp"

#include "gadgets/scheme_sample.hpp"

namespace kvx::studio {
namespace {

constexpr int kSampleX = 40, kSampleY = 120;

}  // namespace

SchemeSample::~SchemeSample() {
    if (window_) window_->Free();
}

void SchemeSample::Rebuild() {
    // The same place as before, so a rebuild does not move what the user looks at.
    const int x = window_ ? window_->X : kSampleX, y = window_ ? window_->Y : kSampleY;
    if (window_) window_->Free();
    window_ = KVX_SchemeSampleWindow(x, y);
}

}  // namespace kvx::studio
