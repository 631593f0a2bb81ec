#include "platform/pathtext.h"
#include "platform/qtpaths.h"
#include "platform/qtsounddevice.h"

#include "tests/support/tempfolder.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace
{

// Half a second of a quiet 440 Hz square wave, 8-bit mono.
std::vector<uint8_t> shortWave()
{
    const uint32_t rate = 8000;
    const uint32_t samples = rate / 2;
    std::vector<uint8_t> out;
    const auto put = [&out](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(uint8_t(v >> (8 * i)));
    };
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put(36 + samples, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate, 4);
    put(1, 2);
    put(8, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put(samples, 4);
    for (uint32_t i = 0; i < samples; ++i)
        out.push_back((i / 9) % 2 ? 140 : 116);
    return out;
}

class QtSoundDeviceTest : public testing::Test
{
protected:
    std::string path(const char *name) const { return utf8Of(m_folder.file(name)); }
    TempFolder m_folder;
    QtSoundDevice m_device{{}, QStringLiteral(VERTOX_GAME_DIR)};
};

} // namespace

TEST_F(QtSoundDeviceTest, OpensOnlyExistingPcmWaves)
{
    m_folder.write("tone.wav", shortWave());
    m_folder.write("text.wav", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_TRUE(m_device.open(path("tone.wav")));
    EXPECT_FALSE(m_device.isPlaying()) << "opening does not start playing";
    EXPECT_FALSE(m_device.open(path("missing.wav")));
    EXPECT_FALSE(m_device.open(path("text.wav")));
    EXPECT_FALSE(m_device.open(utf8Of(m_folder.path())));
    EXPECT_FALSE(m_device.open(""));

    // A name from the settings file, in Cyrillic, is found in the game folder.
    m_folder.write("ход.wav", shortWave());
    QtSoundDevice inGameFolder(m_folder.path(), QStringLiteral(VERTOX_GAME_DIR));
    EXPECT_TRUE(inGameFolder.open("ход.wav"));
    EXPECT_FALSE(m_device.open("ход.wav")) << "not in the working folder";
}

TEST_F(QtSoundDeviceTest, NothingIsLoadedBeforeTheFirstSound)
{
    m_folder.write("tone.wav", shortWave());
    ASSERT_TRUE(m_device.open(path("tone.wav")));
    m_device.stop();
    m_device.close();
    EXPECT_FALSE(m_device.hasOutput());

    QtSoundDevice elsewhere({}, qtPath(m_folder.path()));
    ASSERT_TRUE(elsewhere.open(path("tone.wav")));
    elsewhere.play();
    EXPECT_FALSE(elsewhere.hasOutput()) << "no module in that folder: silent";
    EXPECT_FALSE(elsewhere.isPlaying());
}

TEST_F(QtSoundDeviceTest, PlayingWithoutAnAudioDeviceReturnsPromptlyAndStaysQuiet)
{
    m_folder.write("tone.wav", shortWave());
    ASSERT_TRUE(m_device.open(path("tone.wav")));
    QElapsedTimer timer;
    timer.start();
    m_device.play();
    EXPECT_TRUE(m_device.hasOutput()) << "the sound module beside the program loads";
    EXPECT_LT(timer.elapsed(), 1000);
    QTest::qWait(200);
    m_device.stop();
    EXPECT_FALSE(m_device.isPlaying());
    m_device.close();
    m_device.play();
    EXPECT_FALSE(m_device.isPlaying()) << "a closed device plays nothing";
    EXPECT_LT(timer.elapsed(), 2000);
}
