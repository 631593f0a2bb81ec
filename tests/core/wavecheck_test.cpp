#include "platform/wavecheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using Bytes = std::vector<uint8_t>;

void put(Bytes &out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

Bytes chunk(const char *id, const Bytes &body, uint32_t declared)
{
    Bytes out(id, id + 4);
    put(out, declared, 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2)
        out.push_back(0);
    return out;
}

Bytes chunk(const char *id, const Bytes &body)
{
    return chunk(id, body, uint32_t(body.size()));
}

Bytes fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t blockAlign)
{
    Bytes body;
    put(body, tag, 2);
    put(body, channels, 2);
    put(body, rate, 4);
    put(body, rate * blockAlign, 4);
    put(body, blockAlign, 2);
    put(body, bits, 2);
    return chunk("fmt ", body);
}

Bytes pcmFmt(uint16_t channels, uint16_t bits)
{
    return fmt(1, channels, 22050, bits, uint16_t(channels * bits / 8));
}

Bytes riff(const std::vector<Bytes> &chunks, const char *form = "WAVE")
{
    Bytes inner(form, form + 4);
    for (const auto &c : chunks)
        inner.insert(inner.end(), c.begin(), c.end());
    return chunk("RIFF", inner);
}

const Bytes kSamples(100, 0x80);

} // namespace

TEST(WaveCheck, AcceptsPlainPcm)
{
    const auto mono16 = readWaveFormat(riff({pcmFmt(1, 16), chunk("data", kSamples)}));
    ASSERT_TRUE(mono16.has_value());
    EXPECT_EQ(mono16->channels, 1);
    EXPECT_EQ(mono16->sampleRate, 22050);
    EXPECT_EQ(mono16->bitsPerSample, 16);
    EXPECT_EQ(mono16->dataBytes, 100u);

    EXPECT_TRUE(readWaveFormat(riff({pcmFmt(2, 8), chunk("data", kSamples)})).has_value());
}

TEST(WaveCheck, SkipsOtherChunksIncludingOddSizedOnes)
{
    const auto format = readWaveFormat(riff({chunk("LIST", Bytes(5, 'x')), pcmFmt(2, 16),
                                             chunk("fact", Bytes(4, 0)), chunk("data", kSamples)}));
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->channels, 2);
    EXPECT_EQ(format->dataBytes, 100u);
}

TEST(WaveCheck, DataChunkCutShortPlaysWhatItHas)
{
    const auto format = readWaveFormat(riff({pcmFmt(1, 16), chunk("data", kSamples, 5000)}));
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->dataBytes, 100u);
}

TEST(WaveCheck, RefusesWhatThePlayerCannotPlay)
{
    const Bytes data = chunk("data", kSamples);
    const std::pair<const char *, Bytes> refused[] = {
        {"empty", {}},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
        {"not a wave form", riff({pcmFmt(1, 16), data}, "AVI ")},
        {"float samples", riff({fmt(3, 1, 22050, 32, 4), data})},
        {"compressed", riff({fmt(2, 1, 22050, 4, 256), data})},
        {"24 bits", riff({fmt(1, 1, 22050, 24, 3), data})},
        {"three channels", riff({fmt(1, 3, 22050, 16, 6), data})},
        {"no channels", riff({fmt(1, 0, 22050, 16, 0), data})},
        {"zero rate", riff({fmt(1, 1, 0, 16, 2), data})},
        {"wrong block align", riff({fmt(1, 2, 22050, 16, 2), data})},
        {"fmt cut short", riff({chunk("fmt ", Bytes(10, 1))})},
        {"no data", riff({pcmFmt(1, 16)})},
        {"data before fmt", riff({data, pcmFmt(1, 16)})},
        {"empty data", riff({pcmFmt(1, 16), chunk("data", {})})},
        {"half a frame", riff({pcmFmt(2, 16), chunk("data", Bytes(3, 0))})},
        {"fmt past the end", riff({chunk("fmt ", Bytes(16, 1), 0xFFFFFFF0)})},
    };
    for (const auto &[what, bytes] : refused)
        EXPECT_FALSE(readWaveFormat(bytes).has_value()) << what;
}
