#include "skin/data/ColorMath.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

int Channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

std::uint32_t PackRGB(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) | (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}

} // namespace

std::uint32_t BlendRGB(std::uint32_t a, std::uint32_t b, int weight) {
    const int divisor = weight < 100 ? 100 : 1000;
    int out[3];
    for (int i = 0; i < 3; ++i) {
        const long long mixed = static_cast<long long>(Channel(b, 8 * i)) * (divisor - weight) +
                                static_cast<long long>(Channel(a, 8 * i)) * weight + divisor / 2;
        out[i] = static_cast<int>(mixed / divisor);
    }
    return PackRGB(out[0], out[1], out[2]);
}

int ColorSaturation(std::uint32_t colour) {
    const int r = Channel(colour, 0), g = Channel(colour, 8), b = Channel(colour, 16);
    if (r < 160 && g < 160 && b < 160) return 200;
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    const double s = high == 0 ? 0.0 : static_cast<double>(high - low) / high;
    return static_cast<int>(std::nearbyint(s * 255.0));
}

std::vector<std::uint32_t> GradientTable(int steps, std::uint32_t c1, std::uint32_t c2) {
    if (steps < 1) throw std::logic_error("Assertion failure (imgutil)");
    std::vector<std::uint32_t> table(static_cast<std::size_t>(steps));
    int from[3], delta[3];
    for (int c = 0; c < 3; ++c) {
        from[c] = Channel(c1, 8 * c);
        delta[c] = Channel(c2, 8 * c) - from[c];
    }
    if (steps == 1) {
        table[0] = PackRGB(from[0] + delta[0] / 2, from[1] + delta[1] / 2, from[2] + delta[2] / 2);
        return table;
    }
    const int k = steps - 1, half = k / 2;
    for (int i = 0; i <= k; ++i) {
        int ch[3];
        for (int c = 0; c < 3; ++c) ch[c] = from[c] + (i * delta[c] + half) / k;
        table[static_cast<std::size_t>(i)] = PackRGB(ch[0], ch[1], ch[2]);
    }
    return table;
}

const std::vector<std::uint32_t>& GradientCache::Get(int steps, std::uint32_t c1, std::uint32_t c2) {
    if (steps < 1) throw std::logic_error("Assertion failure (imgutil)");
    for (int i = SlotCount - 1; i >= 0; --i) {
        const Slot& slot = slots_[static_cast<std::size_t>(i)];
        if (!slot.table.empty() && slot.steps == steps && slot.c1 == c1 && slot.c2 == c2) return slot.table;
    }
    ++misses_;
    Slot& slot = slots_[static_cast<std::size_t>(next_)];
    slot = {steps, c1, c2, GradientTable(steps, c1, c2)};
    next_ = (next_ + 1) % SlotCount;
    return slot.table;
}

void GradientCache::Clear() {
    for (Slot& slot : slots_) slot = {};
    next_ = 0;
}

GradientSteps VisibleGradientSteps(int nearEdge, int farEdge, int clipNear, int clipFar) {
    const int steps = farEdge - nearEdge;
    GradientSteps range{0, steps - 1};
    if (clipNear > nearEdge) range.first = clipNear - nearEdge;
    if (clipFar < farEdge) range.last = clipFar - nearEdge - 1;
    return range;
}
