#include "support/reference_compositor.hpp"

#include <algorithm>
#include <cmath>

namespace kvx::reference {

bool BlendPixel(uint32_t source, uint32_t dest, const Paint& paint, double out[3]) {
    const double sa = (source >> 24) / 255.0;
    const double src[3] = {((source >> 16) & 255) * paint.r, ((source >> 8) & 255) * paint.g, (source & 255) * paint.b};
    const double dst[3] = {double((dest >> 16) & 255), double((dest >> 8) & 255), double(dest & 255)};
    const double a = sa * paint.alpha;
    if (paint.blend == 1 && a < 0.5) return false;
    for (int c = 0; c < 3; ++c) {
        switch (paint.blend) {
            case 1:
            case 2: out[c] = src[c]; break;
            case 3: out[c] = src[c] * a + dst[c] * (1 - a); break;
            case 4: out[c] = std::min(255.0, dst[c] + src[c] * a); break;
            case 5: out[c] = src[c] * dst[c] / 255.0; break;
        }
    }
    return true;
}

double ChannelError(uint32_t actual, const double expected[3]) {
    const double got[3] = {double((actual >> 16) & 255), double((actual >> 8) & 255), double(actual & 255)};
    double worst = 0;
    for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(got[c] - expected[c]));
    return worst;
}

}  // namespace kvx::reference
