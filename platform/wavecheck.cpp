#include "platform/wavecheck.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr uint16_t kPcm = 1;
constexpr int kLowestRate = 1000;
constexpr int kHighestRate = 192000;

uint32_t le16(const uint8_t *p)
{
    return uint32_t(p[0] | p[1] << 8);
}

uint32_t le32(const uint8_t *p)
{
    return le16(p) | le16(p + 2) << 16;
}

bool isTag(const uint8_t *p, const char *tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

std::optional<WaveFormat> readFmt(std::span<const uint8_t> body)
{
    if (body.size() < 16 || le16(body.data()) != kPcm)
        return std::nullopt;
    const WaveFormat format{int(le16(&body[2])), int(le32(&body[4])), int(le16(&body[14])), 0};
    const uint32_t blockAlign = le16(&body[12]);
    if (format.channels < 1 || format.channels > 2 || format.sampleRate < kLowestRate ||
        format.sampleRate > kHighestRate ||
        (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
        blockAlign != uint32_t(format.channels * format.bitsPerSample / 8))
        return std::nullopt;
    return format;
}

} // namespace

std::optional<WaveFormat> readWaveFormat(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 12 || !isTag(bytes.data(), "RIFF") || !isTag(&bytes[8], "WAVE"))
        return std::nullopt;
    std::optional<WaveFormat> format;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const uint8_t *header = &bytes[at];
        const std::size_t body = at + 8;
        const std::size_t size = le32(header + 4);
        if (isTag(header, "fmt ")) {
            if (size > bytes.size() - body)
                return std::nullopt;
            format = readFmt(bytes.subspan(body, size));
            if (!format)
                return std::nullopt;
        } else if (isTag(header, "data")) {
            // The format must come first; a data chunk cut short still plays what it has.
            if (!format)
                return std::nullopt;
            const std::size_t frame = std::size_t(format->channels * format->bitsPerSample / 8);
            format->dataBytes = uint32_t(std::min(size, bytes.size() - body));
            if (format->dataBytes < frame)
                return std::nullopt;
            return format;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}
