#pragma once

#include <cstdint>
#include <vector>

// A complete 16-bit mono PCM wave file.
std::vector<uint8_t> encodeWave(const std::vector<int16_t> &samples, uint32_t sampleRate);
