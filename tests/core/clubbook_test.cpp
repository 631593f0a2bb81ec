#include "data/clubbook.h"

#include "tests/support/clubfixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace
{

const char *const kClubWriteFailed =
    "Не удается записать файл vertoxwn.clb!\r\nИзменения не сохранены на диске.";

bool sameEntry(const TRatingEntry &a, const TRatingEntry &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The club and the rating as a failed change must leave them.
struct ClubState {
    explicit ClubState(const SharedData &data)
        : rating(data.Rating), names(data.ClubNames), passwords(data.ClubPasswords),
          count(data.ClubCount), order(data.RatingOrder)
    {
    }
    bool sameAs(const SharedData &data) const
    {
        return std::memcmp(&rating, &data.Rating, sizeof rating) == 0 && names == data.ClubNames &&
               passwords == data.ClubPasswords && count == data.ClubCount &&
               order == data.RatingOrder;
    }
    OneBased<TRatingEntry, 41> rating;
    OneBased<Str17, 10> names, passwords;
    uint8_t count;
    OneBased<uint8_t, 40> order;
};

class ClubBookTest : public ::testing::Test, public ClubFixture
{
protected:
    void threeMembers()
    {
        join("Аня", "секрет", 100);
        join("Борис", "пароль", 200);
        join("Вера", "тайна", 300);
    }
    void expectEmptyEntry(const TRatingEntry &entry)
    {
        TRatingEntry empty;
        ResetRatingEntry(empty, Str17{});
        EXPECT_TRUE(sameEntry(entry, empty));
    }
};

} // namespace

TEST_F(ClubBookTest, AddingWritesOnlyTheNewRecordWithAFreshMask)
{
    join("Аня", "секрет", 100);
    join("Борис", "пароль", 200);
    // A hand-edited file: a stray name after the first free record, noise in another.
    auto file = clubFile();
    const ClubRecord stray = maskedRecord(Str17::fromText("Чужой"), Str17::fromText("x"), {});
    std::memcpy(file.data() + 3 * kClubRecordSize, &stray, kClubRecordSize);
    file[9 * kClubRecordSize + 53] = 0xEE;
    folder.write(kClubFile, file);

    ScriptedRandom masks;
    ClubMask mask;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        mask[i] = uint8_t(255 - 14 * i);
        masks.pushBelow(mask[i]);
    }
    ClubBook scripted(*data, files, masks, boxes);
    const Str17 name = Str17::fromText("Вера");
    const Str17 password = Str17::fromText("тайна");
    ASSERT_TRUE(scripted.AddMember(name, password));
    EXPECT_EQ(masks.remaining(), 0u);

    const ClubRecord written = maskedRecord(name, password, mask);
    std::memcpy(file.data() + 2 * kClubRecordSize, &written, kClubRecordSize);
    EXPECT_EQ(clubFile(), file);
    EXPECT_EQ(unmask(recordOf(clubFile(), 3)), password);

    EXPECT_EQ(data->ClubCount, 3);
    EXPECT_EQ(data->ClubNames[3], name);
    EXPECT_EQ(data->ClubPasswords[3], password);
    TRatingEntry fresh;
    ResetRatingEntry(fresh, name);
    EXPECT_TRUE(sameEntry(data->Rating[33], fresh));
    // Sorted at once: the new member with no games stands below every earlier player.
    EXPECT_EQ(data->RatingOrder[33], 33);
    const auto disk = reloaded();
    EXPECT_TRUE(sameEntry(disk->Rating[33], fresh));
    EXPECT_TRUE(sameEntry(disk->Rating[31], data->Rating[31]));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ClubBookTest, RemovingTheFirstOfThreeMovesTheOthersDownWithTheirResults)
{
    threeMembers();
    auto file = clubFile();
    file[7 * kClubRecordSize + 5] = 0x42; // a later free record keeps its bytes
    folder.write(kClubFile, file);
    const TRatingEntry second = data->Rating[32];
    const TRatingEntry third = data->Rating[33];

    ASSERT_TRUE(club.RemoveMember(1));

    std::vector<uint8_t> expected = file;
    std::copy(file.begin() + kClubRecordSize, file.begin() + 3 * kClubRecordSize, expected.begin());
    std::fill(expected.begin() + 2 * kClubRecordSize, expected.begin() + 3 * kClubRecordSize, 0);
    EXPECT_EQ(clubFile(), expected);
    EXPECT_EQ(unmask(recordOf(clubFile(), 1)).text(), "пароль");
    EXPECT_EQ(unmask(recordOf(clubFile(), 2)).text(), "тайна");

    EXPECT_EQ(data->ClubCount, 2);
    EXPECT_EQ(data->ClubNames[1].text(), "Борис");
    EXPECT_EQ(data->ClubNames[2].text(), "Вера");
    EXPECT_EQ(data->ClubPasswords[1].text(), "пароль");
    EXPECT_EQ(data->ClubPasswords[2].text(), "тайна");
    EXPECT_TRUE(sameEntry(data->Rating[31], second));
    EXPECT_TRUE(sameEntry(data->Rating[32], third));
    expectEmptyEntry(data->Rating[33]);
    // Вера (300) leads the club, then Борис; no position names the freed entry.
    EXPECT_EQ(data->RatingOrder[1], 32);
    EXPECT_EQ(data->RatingOrder[2], 31);

    const auto disk = reloaded();
    EXPECT_EQ(disk->ClubCount, 2);
    EXPECT_EQ(disk->ClubPasswords[2].text(), "тайна");
    EXPECT_TRUE(sameEntry(disk->Rating[31], second));
    EXPECT_TRUE(sameEntry(disk->Rating[32], third));
    expectEmptyEntry(disk->Rating[33]);
    EXPECT_TRUE(restartBoxes.shown.empty());
}

TEST_F(ClubBookTest, RemovingTheLastMemberFreesOnlyItsRecordAndEntry)
{
    threeMembers();
    const auto file = clubFile();
    const TRatingEntry first = data->Rating[31];
    ASSERT_TRUE(club.RemoveMember(3));
    std::vector<uint8_t> expected = file;
    std::fill(expected.begin() + 2 * kClubRecordSize, expected.begin() + 3 * kClubRecordSize, 0);
    EXPECT_EQ(clubFile(), expected);
    EXPECT_EQ(data->ClubCount, 2);
    EXPECT_TRUE(sameEntry(data->Rating[31], first));
    expectEmptyEntry(data->Rating[33]);

    // Numbers outside the club change nothing.
    const ClubState before(*data);
    EXPECT_FALSE(club.RemoveMember(0));
    EXPECT_FALSE(club.RemoveMember(3));
    EXPECT_TRUE(before.sameAs(*data));
    EXPECT_EQ(clubFile(), expected);
}

TEST_F(ClubBookTest, TenMembersFillTheClubUntilOneLeaves)
{
    for (int k = 1; k <= 10; ++k) {
        EXPECT_FALSE(club.full());
        join("Игрок " + std::to_string(k), "п" + std::to_string(k), k);
    }
    EXPECT_TRUE(club.full());
    const ClubState before(*data);
    const auto file = clubFile();
    EXPECT_FALSE(club.AddMember(Str17::fromText("Лишний"), Str17::fromText("x")));
    EXPECT_TRUE(before.sameAs(*data));
    EXPECT_EQ(clubFile(), file);

    ASSERT_TRUE(club.RemoveMember(10));
    EXPECT_FALSE(club.full());
    const auto disk = reloaded();
    EXPECT_EQ(disk->ClubCount, 9);
    EXPECT_EQ(disk->ClubPasswords[9].text(), "п9");
    EXPECT_EQ(disk->Rating[39].Games, 1);
    EXPECT_EQ(disk->Rating[39].TotalScore, 9);
}

TEST_F(ClubBookTest, AClubFileLostOrCutWhileRunningIsBuiltAnewFromMemory)
{
    join("Аня", "секрет", 100);
    std::filesystem::remove(folder.file(kClubFile));
    ASSERT_TRUE(club.AddMember(Str17::fromText("Борис"), Str17::fromText("пароль")));
    auto disk = reloaded();
    ASSERT_EQ(disk->ClubCount, 2);
    EXPECT_EQ(disk->ClubNames[1].text(), "Аня");
    EXPECT_EQ(disk->ClubPasswords[1].text(), "секрет");
    EXPECT_EQ(disk->ClubPasswords[2].text(), "пароль");
    EXPECT_EQ(clubFile().size(), 540u);

    folder.write(kClubFile, std::vector<uint8_t>(100, 0));
    ASSERT_TRUE(club.RemoveMember(1));
    disk = reloaded();
    EXPECT_TRUE(restartBoxes.shown.empty());
    ASSERT_EQ(disk->ClubCount, 1);
    EXPECT_EQ(disk->ClubNames[1].text(), "Борис");
    EXPECT_EQ(disk->ClubPasswords[1].text(), "пароль");
    EXPECT_EQ(clubFile().size(), 540u);
}

TEST_F(ClubBookTest, AFailedClubWriteChangesNothingAndIsReported)
{
    threeMembers();
    const auto rating = ratingFile();
    const ClubState before(*data);
    // A folder where the club file should be can be neither read nor replaced.
    std::filesystem::remove(folder.file(kClubFile));
    std::filesystem::create_directory(folder.file(kClubFile));

    EXPECT_FALSE(club.AddMember(Str17::fromText("Гоша"), Str17::fromText("x")));
    EXPECT_FALSE(club.RemoveMember(2));
    EXPECT_TRUE(before.sameAs(*data));
    EXPECT_EQ(ratingFile(), rating);
    ASSERT_EQ(boxes.shown.size(), 2u);
    for (const auto &box : boxes.shown) {
        EXPECT_EQ(box.kind, MessageBoxes::Kind::Error);
        EXPECT_EQ(box.text, kClubWriteFailed);
    }
}

TEST_F(ClubBookTest, AFailedRatingWriteTakesTheClubFileBack)
{
    threeMembers();
    const auto club3 = clubFile();
    const ClubState before(*data);
    std::filesystem::remove(folder.file(kRatingFile));
    std::filesystem::create_directory(folder.file(kRatingFile));

    EXPECT_FALSE(club.AddMember(Str17::fromText("Гоша"), Str17::fromText("x")));
    EXPECT_TRUE(before.sameAs(*data));
    EXPECT_EQ(clubFile(), club3);
    EXPECT_FALSE(club.RemoveMember(1));
    EXPECT_TRUE(before.sameAs(*data));
    EXPECT_EQ(clubFile(), club3);
    // Only the rating writer's own report; the club file went back without complaint.
    ASSERT_EQ(boxes.shown.size(), 2u);
    for (const auto &box : boxes.shown)
        EXPECT_THAT(box.text, ::testing::HasSubstr("vertoxwn.ray"));
}

TEST_F(ClubBookTest, ANameClashesWithAMemberOrAComputerPlayerByItsStoredBytes)
{
    join("Аня", "a", 1);
    join("Борис", "b", 2);
    const auto clashOf = [this](const char *name) {
        return NameClashOf(*data, Str17::fromText(name));
    };
    EXPECT_EQ(clashOf("Аня"), NameClash::ClubMember);
    EXPECT_EQ(clashOf("Борис"), NameClash::ClubMember);
    EXPECT_EQ(clashOf("аня"), NameClash::None);
    EXPECT_EQ(clashOf("Аня "), NameClash::None);
    EXPECT_EQ(clashOf("Вера"), NameClash::None);
    for (const char *computer : ComputerNames)
        EXPECT_EQ(clashOf(computer), NameClash::ComputerPlayer) << computer;
    EXPECT_EQ(clashOf("США"), NameClash::None);
    EXPECT_EQ(clashOf("Новая"), NameClash::None);
    // A name left behind above the club count belongs to nobody.
    ASSERT_TRUE(club.RemoveMember(2));
    EXPECT_EQ(data->ClubNames[2].text(), "Борис");
    EXPECT_EQ(clashOf("Борис"), NameClash::None);
}
