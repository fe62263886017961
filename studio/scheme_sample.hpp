#pragma once
// The Scheme Editor's sample window (KVX_SchemeSampleWindow), made again after a change so that
// the edges drawn into its skin pictures and the sizes taken from the font show the new scheme.
#include "gadgets/window.hpp"

namespace kvx::studio {

class SchemeSample {
public:
    SchemeSample() { Rebuild(); }
    ~SchemeSample();
    SchemeSample(const SchemeSample&) = delete;
    SchemeSample& operator=(const SchemeSample&) = delete;

    void Rebuild();
    const KVX_WindowRef& Window() const { return window_; }

private:
    KVX_WindowRef window_;
};

}  // namespace kvx::studio
