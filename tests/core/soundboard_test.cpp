#include "game/soundboard.h"

#include "platform/sounddevice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::InSequence;
using testing::Return;
using testing::StrictMock;

namespace
{

class MockSoundDevice : public SoundDevice
{
public:
    MOCK_METHOD(bool, open, (const std::string &file), (override));
    MOCK_METHOD(void, play, (), (override));
    MOCK_METHOD(bool, isPlaying, (), (const, override));
    MOCK_METHOD(void, stop, (), (override));
    MOCK_METHOD(void, close, (), (override));
};

class SoundBoardTest : public testing::Test
{
protected:
    SoundBoardTest()
    {
        m_board.names = {{"yourturn.wav", "movecube.wav", "showcube.wav", "write.wav", "downwr.wav",
                          "waitpriz.wav", "goodpriz.wav", "badpriz.wav"}};
    }

    bool m_soundOn = true;
    StrictMock<MockSoundDevice> m_device;
    SoundBoard m_board{m_soundOn, m_device};
};

} // namespace

TEST_F(SoundBoardTest, CheckFilesSilencesUnplayableNamesWithoutPlaying)
{
    m_board.names[2] = SoundBoard::kNone;
    for (const char *good : {"yourturn.wav", "write.wav", "downwr.wav", "goodpriz.wav"}) {
        EXPECT_CALL(m_device, open(std::string(good))).WillOnce(Return(true));
    }
    for (const char *bad : {"showcube.wav", "waitpriz.wav", "badpriz.wav"}) {
        EXPECT_CALL(m_device, open(std::string(bad))).WillOnce(Return(false));
    }
    EXPECT_CALL(m_device, close()).Times(4);

    m_board.checkFiles();

    const OneBased<std::string, 8> expected = {{"yourturn.wav", "<none>", "<none>", "write.wav",
                                                "downwr.wav", "<none>", "goodpriz.wav", "<none>"}};
    EXPECT_EQ(m_board.names, expected);
}

TEST_F(SoundBoardTest, NothingTouchesTheDeviceWhileSoundIsOff)
{
    m_soundOn = false;
    for (int n = 1; n <= 8; ++n)
        m_board.PlaySound(n);
}

TEST_F(SoundBoardTest, StopsAPlayingSoundBeforeTheNext)
{
    InSequence order;
    EXPECT_CALL(m_device, isPlaying()).WillOnce(Return(false));
    EXPECT_CALL(m_device, open("showcube.wav")).WillOnce(Return(true));
    EXPECT_CALL(m_device, play());
    EXPECT_CALL(m_device, isPlaying()).WillOnce(Return(true));
    EXPECT_CALL(m_device, stop());
    EXPECT_CALL(m_device, close());
    EXPECT_CALL(m_device, open("movecube.wav")).WillOnce(Return(true));
    EXPECT_CALL(m_device, play());

    m_board.PlaySound(3);
    m_board.PlaySound(2);
}

TEST_F(SoundBoardTest, SilencedOrVanishedFilesAreSkipped)
{
    m_board.names[4] = SoundBoard::kNone;
    m_board.PlaySound(4);

    EXPECT_CALL(m_device, isPlaying()).WillOnce(Return(false));
    EXPECT_CALL(m_device, open("downwr.wav")).WillOnce(Return(false));
    m_board.PlaySound(5);
}
