#include "tools/wavefile.h"

#include <string_view>

namespace
{

void put(std::vector<uint8_t> &out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

void tag(std::vector<uint8_t> &out, std::string_view id)
{
    out.insert(out.end(), id.begin(), id.end());
}

} // namespace

std::vector<uint8_t> encodeWave(const std::vector<int16_t> &samples, uint32_t sampleRate)
{
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    tag(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, 1, 2); // mono
    put(out, sampleRate, 4);
    put(out, sampleRate * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    tag(out, "data");
    put(out, dataBytes, 4);
    for (int16_t s : samples)
        put(out, uint16_t(s), 2);
    return out;
}
