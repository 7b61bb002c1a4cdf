// A short sine tone as the bytes of a WAV file (8-bit mono PCM), faded in and out so that it starts and
// ends without a click: the gallery's media players play it.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> ToneWave(int milliseconds, int frequency, int sampleRate = 8000);
