#include "platform/profilefile.h"

#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

TEST(ProfileFile, ReadsLikeWindowsDoes)
{
    const ProfileFile profile("; a comment\r\n"
                              "[Other]\r\n"
                              "Name=elsewhere\r\n"
                              "[sound]\r\n"
                              ";YourTurnSound=commented.wav\r\n"
                              "  YOURTURNSOUND  =   \"ding.wav\"  \r\n"
                              "yourturnsound=second.wav\r\n"
                              "Empty=\r\n"
                              "[SOUND]\r\n"
                              "Late=ignored\r\n");
    EXPECT_EQ(profile.value("SOUND", "YourTurnSound"), "ding.wav");
    EXPECT_EQ(profile.value("Sound", "Empty"), "");
    EXPECT_EQ(profile.value("SOUND", "Name"), std::nullopt);
    EXPECT_EQ(profile.value("SOUND", "Late"), std::nullopt) << "only the first section counts";
    EXPECT_EQ(profile.value("Missing", "Name"), std::nullopt);
    EXPECT_EQ(profile.readString("SOUND", "Nothing", "fallback.wav"), "fallback.wav");
    EXPECT_EQ(profile.readString("SOUND", "Empty", "fallback.wav"), "");
}

TEST(ProfileFile, BooleansAreIntegersWithZeroFalse)
{
    const std::pair<const char *, bool> onFallbackFalse[] = {
        {"0", false},   {"1", true},    {"-3", true},  {" 2 ", true},
        {"0x10", true}, {"0x0", false}, {"$A", true},  {"yes", false},
        {"", false},    {"1.5", false}, {"+0", false}, {"99999999999999999999", false}};
    for (const auto &[text, expected] : onFallbackFalse) {
        const ProfileFile profile("[S]\nflag=" + std::string(text) + "\n");
        EXPECT_EQ(profile.readBool("S", "flag", false), expected) << '"' << text << '"';
    }
    EXPECT_TRUE(ProfileFile("[S]\nflag=yes\n").readBool("S", "flag", true));
    EXPECT_TRUE(ProfileFile("[S]\nflag=0\n").readBool("S", "other", true));
}

TEST(ProfileFile, WritingTouchesOnlyTheKeysLine)
{
    ProfileFile profile("; keep me\r\n"
                        "[SOUND]\r\n"
                        "IS_SOUND = 1\r\n"
                        "Extra=kept\r\n"
                        "\r\n"
                        "[Window]\r\n"
                        "Left=10\r\n");
    profile.writeBool("sound", "is_sound", false);
    profile.writeString("SOUND", "WriteSound", "write.wav");
    profile.writeString("Window", "Top", "20");
    profile.writeString("New", "Key", "value");
    EXPECT_EQ(profile.bytes(), "; keep me\r\n"
                               "[SOUND]\r\n"
                               "IS_SOUND=0\r\n"
                               "Extra=kept\r\n"
                               "WriteSound=write.wav\r\n"
                               "\r\n"
                               "[Window]\r\n"
                               "Left=10\r\n"
                               "Top=20\r\n"
                               "[New]\r\n"
                               "Key=value\r\n");
}

TEST(ProfileFile, KeepsUnixLineEndsAndAMissingFinalLineEnd)
{
    ProfileFile lineFeeds("[S]\na=1\n");
    lineFeeds.writeString("S", "a", "2");
    EXPECT_EQ(lineFeeds.bytes(), "[S]\na=2\n");

    ProfileFile unfinished("[S]\r\na=1");
    unfinished.writeString("S", "a", "2");
    EXPECT_EQ(unfinished.bytes(), "[S]\r\na=2");
    unfinished.writeString("S", "b", "3");
    EXPECT_EQ(unfinished.bytes(), "[S]\r\na=2\r\nb=3\r\n");

    ProfileFile empty;
    empty.writeString("S", "a", "1");
    EXPECT_EQ(empty.bytes(), "[S]\r\na=1\r\n");
}

TEST(ProfileFile, ValuesAreCodePage1251OnDiskAndCannotBreakTheLine)
{
    ProfileFile profile;
    profile.writeString("S", "name", "звук.wav");
    profile.writeString("S", "evil", "a.wav\r\n[S]\r\nname=b.wav");
    EXPECT_EQ(profile.bytes(), "[S]\r\nname=\xE7\xE2\xF3\xEA.wav\r\nevil=a.wav\r\n");
    EXPECT_EQ(ProfileFile(profile.bytes()).value("S", "name"), "звук.wav");
}

TEST(ProfileFile, LoadAndSave)
{
    TempFolder folder;
    const auto path = folder.file("vertoxwn.ini");
    const auto missing = ProfileFile::load(path);
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->bytes(), "");

    ProfileFile profile = *missing;
    profile.writeString("S", "a", "1");
    ASSERT_TRUE(profile.save(path));
    EXPECT_EQ(ProfileFile::load(path)->value("S", "a"), "1");
    EXPECT_FALSE(std::filesystem::exists(folder.file("vertoxwn.ini.tmp")));

    EXPECT_FALSE(ProfileFile::load(folder.path()).has_value()) << "a folder is not readable";
    EXPECT_FALSE(profile.save(folder.file("no such folder") / "vertoxwn.ini"));
}
