#pragma once
// Arithmetic on half-open pixel boxes (internal to the platform layer).
#include <algorithm>
#include <cstdint>

#include "platform/compositor.hpp"

namespace kvx {

using Box = compositor::Clip;

inline bool IsEmpty(const Box& b) { return b.x0 >= b.x1 || b.y0 >= b.y1; }

inline int64_t Area(const Box& b) { return IsEmpty(b) ? 0 : int64_t(b.x1 - b.x0) * (b.y1 - b.y0); }

inline Box Intersection(const Box& a, const Box& b) {
    const Box c{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
    return IsEmpty(c) ? Box{} : c;
}

inline bool Overlap(const Box& a, const Box& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1 && !IsEmpty(a) && !IsEmpty(b);
}

inline Box BoundingBox(const Box& a, const Box& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

inline bool Covers(const Box& outer, const Box& inner) {
    return IsEmpty(inner) ||
           (outer.x0 <= inner.x0 && outer.y0 <= inner.y0 && outer.x1 >= inner.x1 && outer.y1 >= inner.y1);
}

}  // namespace kvx
