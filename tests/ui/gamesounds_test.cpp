#include "platform/qtsounddevice.h"
#include "platform/wavecheck.h"

#include "platform/filestore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace
{

const char *const kSounds[] = {"yourturn.wav", "movecube.wav", "showcube.wav", "write.wav",
                               "downwr.wav",   "waitpriz.wav", "goodpriz.wav", "badpriz.wav"};

std::string shipped(const char *name)
{
    return std::string(VERTOX_GAME_DIR) + "/" + name;
}

int sampleAt(const std::vector<uint8_t> &bytes, std::size_t offset)
{
    return int16_t(bytes[offset] | bytes[offset + 1] << 8);
}

} // namespace

TEST(GameSounds, EachIsAShortQuietEdgedMonoWave)
{
    for (const char *name : kSounds) {
        SCOPED_TRACE(name);
        const auto bytes = filestore::read(shipped(name));
        ASSERT_TRUE(bytes.has_value());
        const auto format = readWaveFormat(*bytes);
        ASSERT_TRUE(format.has_value());
        EXPECT_EQ(format->channels, 1);
        EXPECT_EQ(format->sampleRate, 22050);
        EXPECT_EQ(format->bitsPerSample, 16);
        const double seconds = format->dataBytes / 2 / 22050.0;
        EXPECT_GE(seconds, 0.1);
        EXPECT_LE(seconds, 0.6);

        // The files are written with a plain 44-byte header.
        ASSERT_EQ(bytes->size(), 44 + format->dataBytes);
        int loudest = 0;
        for (std::size_t at = 44; at < bytes->size(); at += 2)
            loudest = std::max(loudest, std::abs(sampleAt(*bytes, at)));
        EXPECT_GT(loudest, 8000) << "audible";
        EXPECT_LT(loudest, 32000) << "not clipped";
        EXPECT_LT(std::abs(sampleAt(*bytes, 44)), 500) << "starts softly";
        EXPECT_LT(std::abs(sampleAt(*bytes, bytes->size() - 2)), 500) << "ends softly";
    }
}

TEST(GameSounds, AreAllDifferentAndOpenInTheSoundDevice)
{
    std::set<std::vector<uint8_t>> distinct;
    QtSoundDevice device;
    for (const char *name : kSounds) {
        distinct.insert(filestore::read(shipped(name)).value_or(std::vector<uint8_t>{}));
        EXPECT_TRUE(device.open(shipped(name))) << name;
        device.close();
    }
    EXPECT_EQ(distinct.size(), std::size(kSounds));
}
