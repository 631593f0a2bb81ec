#pragma once

#include <cstdint>
#include <optional>
#include <span>

// What a wave file holds, as far as the game's player needs to know.
struct WaveFormat {
    int channels;
    int sampleRate;
    int bitsPerSample;
    uint32_t dataBytes;
};

// The format of a RIFF/WAVE file of plain PCM, 1 or 2 channels of 8 or 16 bits, with at least
// one whole frame of sound; nullopt for anything else.
std::optional<WaveFormat> readWaveFormat(std::span<const uint8_t> bytes);
