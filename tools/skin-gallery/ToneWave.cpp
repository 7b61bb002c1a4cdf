#include "ToneWave.h"

#include <algorithm>
#include <cmath>

namespace {
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(tag[i]));
}
} // namespace

std::vector<std::uint8_t> ToneWave(int milliseconds, int frequency, int sampleRate) {
    const std::uint32_t samples = std::uint32_t(std::max(0, milliseconds) * std::int64_t(sampleRate) / 1000);
    std::vector<std::uint8_t> out;
    out.reserve(44 + samples);
    PutTag(out, "RIFF");
    Put32(out, 36 + samples);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, std::uint32_t(sampleRate));
    Put32(out, std::uint32_t(sampleRate)); // bytes per second
    Put16(out, 1);                         // block align
    Put16(out, 8);                         // bits per sample
    PutTag(out, "data");
    Put32(out, samples);
    const double pi = 3.14159265358979323846;
    const std::uint32_t fade = std::max<std::uint32_t>(1, std::uint32_t(sampleRate) / 50); // 20 ms
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(samples - i) / fade});
        const double v = std::sin(2 * pi * frequency * double(i) / sampleRate) * envelope;
        out.push_back(std::uint8_t(std::lround(128 + 90 * v)));
    }
    return out;
}
