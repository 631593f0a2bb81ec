#include "app/settings.h"

#include "platform/profilefile.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <string_view>

namespace
{

const SoundNames kDefaults = {{"yourturn.wav", "movecube.wav", "showcube.wav", "write.wav",
                               "downwr.wav", "waitpriz.wav", "goodpriz.wav", "badpriz.wav"}};

std::string text(const std::vector<uint8_t> &bytes)
{
    return {bytes.begin(), bytes.end()};
}

std::vector<uint8_t> bytesOf(std::string_view s)
{
    return {s.begin(), s.end()};
}

class SettingsTest : public testing::Test
{
protected:
    TempFolder m_folder;
    std::filesystem::path m_path = m_folder.file(kSettingsFile);
    bool m_soundOn = true;
    SoundNames m_names;
};

} // namespace

TEST_F(SettingsTest, MissingFileGivesDefaultsAndWriteCreatesAllNineKeys)
{
    readSoundSettings(m_path, m_soundOn, m_names);
    EXPECT_FALSE(m_soundOn);
    EXPECT_EQ(m_names, kDefaults);

    ASSERT_TRUE(writeSoundSettings(m_path, m_soundOn, m_names));
    EXPECT_EQ(text(m_folder.read(kSettingsFile)), "[SOUND]\r\n"
                                                  "is_sound=0\r\n"
                                                  "YourTurnSound=yourturn.wav\r\n"
                                                  "MoveCubeSound=movecube.wav\r\n"
                                                  "ShowCubeSound=showcube.wav\r\n"
                                                  "WriteSound=write.wav\r\n"
                                                  "DownWriteSound=downwr.wav\r\n"
                                                  "WaitPrizeSound=waitpriz.wav\r\n"
                                                  "GoodPrizeSound=goodpriz.wav\r\n"
                                                  "BadPrizeSound=badpriz.wav\r\n");
}

TEST_F(SettingsTest, LongNamesAreCutToTwentyCharactersAndWrittenBackSo)
{
    m_folder.write(kSettingsFile, bytesOf("[SOUND]\r\n"
                                          "WriteSound=abcdefghijklmnopqrst.wav\r\n"
                                          "BadPrizeSound=\xE7\xE2\xF3\xEA\xE7\xE2\xF3\xEA\xE7\xE2"
                                          "\xF3\xEA\xE7\xE2\xF3\xEA\xE7\xE2\xF3\xEA\xE7\xE2\r\n"));
    readSoundSettings(m_path, m_soundOn, m_names);
    EXPECT_EQ(m_names[4], "abcdefghijklmnopqrst");
    EXPECT_EQ(m_names[8], "звукзвукзвукзвукзвук");

    ASSERT_TRUE(writeSoundSettings(m_path, m_soundOn, m_names));
    const ProfileFile written(text(m_folder.read(kSettingsFile)));
    EXPECT_EQ(written.value("SOUND", "WriteSound"), "abcdefghijklmnopqrst");
    EXPECT_EQ(written.value("SOUND", "BadPrizeSound"), "звукзвукзвукзвукзвук");
}

TEST_F(SettingsTest, WindowsWrittenFileKeepsEverythingElse)
{
    m_folder.write(kSettingsFile, bytesOf("[Window]\r\n"
                                          "Left=120\r\n"
                                          "[sound]\r\n"
                                          "IS_SOUND=1\r\n"
                                          "; chosen by hand\r\n"
                                          "movecubesound = knock.wav\r\n"
                                          "Volume=7\r\n"));
    readSoundSettings(m_path, m_soundOn, m_names);
    EXPECT_TRUE(m_soundOn);
    EXPECT_EQ(m_names[2], "knock.wav");
    EXPECT_EQ(m_names[1], "yourturn.wav");

    m_soundOn = false;
    ASSERT_TRUE(writeSoundSettings(m_path, m_soundOn, m_names));
    EXPECT_EQ(text(m_folder.read(kSettingsFile)), "[Window]\r\n"
                                                  "Left=120\r\n"
                                                  "[sound]\r\n"
                                                  "IS_SOUND=0\r\n"
                                                  "; chosen by hand\r\n"
                                                  "movecubesound=knock.wav\r\n"
                                                  "Volume=7\r\n"
                                                  "YourTurnSound=yourturn.wav\r\n"
                                                  "ShowCubeSound=showcube.wav\r\n"
                                                  "WriteSound=write.wav\r\n"
                                                  "DownWriteSound=downwr.wav\r\n"
                                                  "WaitPrizeSound=waitpriz.wav\r\n"
                                                  "GoodPrizeSound=goodpriz.wav\r\n"
                                                  "BadPrizeSound=badpriz.wav\r\n");
}

TEST_F(SettingsTest, RoundTrip)
{
    SoundNames names = kDefaults;
    names[3] = "тук.wav";
    names[6] = "<none>";
    ASSERT_TRUE(writeSoundSettings(m_path, true, names));
    readSoundSettings(m_path, m_soundOn, m_names);
    EXPECT_TRUE(m_soundOn);
    EXPECT_EQ(m_names, names);
}

TEST_F(SettingsTest, UnreadableFileIsNotReplaced)
{
    std::filesystem::create_directory(m_path);
    readSoundSettings(m_path, m_soundOn, m_names);
    EXPECT_FALSE(m_soundOn);
    EXPECT_EQ(m_names, kDefaults);
    EXPECT_FALSE(writeSoundSettings(m_path, true, m_names));
    EXPECT_TRUE(std::filesystem::is_directory(m_path));
}
