// Colour arithmetic shared by the painters: weighted blend, saturation measure and the cached
// linear gradient tables. Colour values hold red in the lowest byte, then green, then blue.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Weighted mix of two RGB colours: W is a percentage below 100 and a per-mille value from 100 on, and it
// weighs colour a. Each channel is (b * (D - W) + a * W + D div 2) div D, cut to 8 bits.
std::uint32_t BlendRGB(std::uint32_t a, std::uint32_t b, int weight);

// (max - min) / max of the three channels scaled to 0..255 (ties to even); 200 when all three are below 160.
int ColorSaturation(std::uint32_t colour);

// The colours of an n-step linear gradient from c1 to c2 (both RGB). n must be at least 1.
std::vector<std::uint32_t> GradientTable(int steps, std::uint32_t c1, std::uint32_t c2);

// Sixteen gradient tables reused round-robin, so that repainting the same size and colours computes
// nothing new. A table is found by the length and the two colours it was made for (its last entry is not
// always c2: the rounding stops short of a falling channel's end).
class GradientCache {
public:
    static constexpr int SlotCount = 16;

    // The table stays valid until the same slot is refilled (16 misses later).
    // Asking for fewer than one step is a programming error: std::logic_error "Assertion failure (imgutil)".
    const std::vector<std::uint32_t>& Get(int steps, std::uint32_t c1, std::uint32_t c2);
    void Clear();

    int NextSlot() const { return next_; }
    int Misses() const { return misses_; }

private:
    struct Slot {
        int steps = 0;
        std::uint32_t c1 = 0, c2 = 0;
        std::vector<std::uint32_t> table;
    };
    std::array<Slot, SlotCount> slots_;
    int next_ = 0;
    int misses_ = 0;
};

// The steps of a gradient over [nearEdge, farEdge) that lie inside the clip interval
// [clipNear, clipFar): first and last (inclusive); first > last when nothing is visible.
struct GradientSteps {
    int first;
    int last;
};
GradientSteps VisibleGradientSteps(int nearEdge, int farEdge, int clipNear, int clipFar);
