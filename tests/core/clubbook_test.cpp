#include "data/clubbook.h"
#include "data/verdictbook.h"

#include "tests/support/clubfixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

using Bytes = std::vector<uint8_t>;

// All of memory, to show that a refused or failed change left it as it was.
Bytes bytesOf(const SharedData &d)
{
    const auto *p = reinterpret_cast<const uint8_t *>(&d);
    return {p, p + sizeof d};
}

// The club as "name:password" lines in member order.
std::vector<std::string> members(const SharedData &d)
{
    std::vector<std::string> result;
    for (std::size_t k = 1; k <= d.ClubCount; ++k)
        result.push_back(d.ClubNames[k].text() + ':' + d.ClubPasswords[k].text());
    return result;
}

TRatingEntry freshEntry(const Str17 &name)
{
    TRatingEntry entry;
    ResetRatingEntry(entry, name);
    return entry;
}

// Records k..k+n-1 (1-based) of a club file.
void fillRecords(Bytes &file, int k, int n, uint8_t value)
{
    std::fill_n(file.begin() + (k - 1) * std::ptrdiff_t(kClubRecordSize),
                n * std::ptrdiff_t(kClubRecordSize), value);
}

class ClubBookTest : public ::testing::Test, public ClubFixture
{
};

} // namespace

TEST_F(ClubBookTest, AddingWritesOnlyTheNewRecordWithAFreshMask)
{
    join("Аня", "секрет", 100);
    join("Борис", "пароль", 200);
    // A hand-edited file: a stray name after the first free record, noise in another.
    Bytes file = clubFile();
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
    const Str17 name = Str17::fromText("Вера"), password = Str17::fromText("тайна");
    ASSERT_TRUE(ClubBook(*data, files, masks, boxes).AddMember(name, password));
    EXPECT_EQ(masks.remaining(), 0u);
    const ClubRecord written = maskedRecord(name, password, mask);
    std::memcpy(file.data() + 2 * kClubRecordSize, &written, kClubRecordSize);
    EXPECT_EQ(clubFile(), file);

    EXPECT_EQ(members(*data),
              (std::vector<std::string>{"Аня:секрет", "Борис:пароль", "Вера:тайна"}));
    EXPECT_TRUE(sameEntry(data->Rating[33], freshEntry(name)));
    // Sorted at once: the new member with no games stands below every earlier player.
    EXPECT_EQ(data->RatingOrder[33], 33);
    const auto disk = reloaded();
    EXPECT_TRUE(sameEntry(disk->Rating[33], freshEntry(name)));
    EXPECT_TRUE(sameEntry(disk->Rating[31], data->Rating[31]));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ClubBookTest, RemovingMovesTheLaterMembersDownWithTheirResults)
{
    threeMembers();
    Bytes file = clubFile();
    file[7 * kClubRecordSize + 5] = 0x42; // a later free record keeps its bytes
    folder.write(kClubFile, file);
    const TRatingEntry second = data->Rating[32], third = data->Rating[33];

    ASSERT_TRUE(club.RemoveMember(1));
    std::copy(file.begin() + kClubRecordSize, file.begin() + 3 * kClubRecordSize, file.begin());
    fillRecords(file, 3, 1, 0);
    EXPECT_EQ(clubFile(), file);
    // Вера (300) leads the club, then Борис; no position names the freed entry.
    EXPECT_EQ(data->RatingOrder[1], 32);
    EXPECT_EQ(data->RatingOrder[2], 31);
    const auto disk = reloaded();
    for (const SharedData *d : {data.get(), disk.get()}) {
        EXPECT_EQ(members(*d), (std::vector<std::string>{"Борис:пароль", "Вера:тайна"}));
        EXPECT_TRUE(sameEntry(d->Rating[31], second));
        EXPECT_TRUE(sameEntry(d->Rating[32], third));
        EXPECT_TRUE(sameEntry(d->Rating[33], freshEntry({})));
    }
    EXPECT_TRUE(restartBoxes.shown.empty());

    // The last member frees only its own record and entry.
    ASSERT_TRUE(club.RemoveMember(2));
    fillRecords(file, 2, 1, 0);
    EXPECT_EQ(clubFile(), file);
    EXPECT_TRUE(sameEntry(data->Rating[31], second));
    EXPECT_TRUE(sameEntry(data->Rating[32], freshEntry({})));

    // Numbers outside the club change nothing.
    const Bytes before = bytesOf(*data);
    EXPECT_FALSE(club.RemoveMember(0));
    EXPECT_FALSE(club.RemoveMember(2));
    EXPECT_TRUE(bytesOf(*data) == before);
    EXPECT_EQ(clubFile(), file);
}

TEST_F(ClubBookTest, ALeavingMemberTakesTheirVerdictsAndANewcomerStartsEmpty)
{
    threeMembers();
    for (const char *name : {"Аня", "Борис", "Вера"})
        ASSERT_TRUE(AddJudgedGame(*data, Str17::fromText(name), TJudgedGame{}));
    ASSERT_TRUE(files.SaveVerdicts());

    ASSERT_TRUE(club.RemoveMember(2));
    ASSERT_TRUE(club.AddMember(Str17::fromText("Борис"), Str17::fromText("новый")));
    auto disk = std::make_unique<SharedData>();
    DataFiles again(*disk, restartBoxes, folder.path());
    loadAllFiles(again);
    for (const SharedData *d : {data.get(), disk.get()}) {
        EXPECT_EQ(VerdictsOf(*d, Str17::fromText("Борис")), nullptr);
        EXPECT_NE(VerdictsOf(*d, Str17::fromText("Вера")), nullptr);
    }
    EXPECT_TRUE(boxes.shown.empty() && restartBoxes.shown.empty());
}

TEST_F(ClubBookTest, TenMembersFillTheClubUntilOneLeaves)
{
    for (int k = 1; k <= 10; ++k) {
        EXPECT_FALSE(club.full());
        join("Игрок " + std::to_string(k), "п" + std::to_string(k), k);
    }
    EXPECT_TRUE(club.full());
    const Bytes before = bytesOf(*data);
    const Bytes file = clubFile();
    EXPECT_FALSE(club.AddMember(Str17::fromText("Лишний"), Str17::fromText("x")));
    EXPECT_TRUE(bytesOf(*data) == before);
    EXPECT_EQ(clubFile(), file);

    ASSERT_TRUE(club.RemoveMember(10));
    EXPECT_FALSE(club.full());
    const auto disk = reloaded();
    EXPECT_EQ(members(*disk).size(), 9u);
    EXPECT_EQ(members(*disk).back(), "Игрок 9:п9");
    EXPECT_EQ(disk->Rating[39].TotalScore, 9);
}

TEST_F(ClubBookTest, AClubFileLostOrCutWhileRunningIsBuiltAnewFromMemory)
{
    join("Аня", "секрет", 100);
    std::filesystem::remove(folder.file(kClubFile));
    ASSERT_TRUE(club.AddMember(Str17::fromText("Борис"), Str17::fromText("пароль")));
    EXPECT_EQ(members(*reloaded()), (std::vector<std::string>{"Аня:секрет", "Борис:пароль"}));
    EXPECT_EQ(clubFile().size(), 540u);

    folder.write(kClubFile, Bytes(100, 0));
    ASSERT_TRUE(club.RemoveMember(1));
    EXPECT_EQ(members(*reloaded()), std::vector<std::string>{"Борис:пароль"});
    EXPECT_TRUE(restartBoxes.shown.empty());
    EXPECT_EQ(clubFile().size(), 540u);
}

TEST_F(ClubBookTest, AFailedWriteOfEitherFileChangesNothingAndIsReportedOnce)
{
    threeMembers();
    const Bytes before = bytesOf(*data);
    for (const char *blocked : {kClubFile, kRatingFile}) {
        SCOPED_TRACE(blocked);
        const char *other = blocked == kClubFile ? kRatingFile : kClubFile;
        const Bytes blockedBytes = folder.read(blocked), otherBytes = folder.read(other);
        // A folder in the file's place can be neither read nor replaced.
        std::filesystem::remove(folder.file(blocked));
        std::filesystem::create_directory(folder.file(blocked));
        boxes.shown.clear();

        EXPECT_FALSE(club.AddMember(Str17::fromText("Гоша"), Str17::fromText("x")));
        EXPECT_FALSE(club.RemoveMember(1));
        EXPECT_TRUE(bytesOf(*data) == before);
        EXPECT_EQ(folder.read(other), otherBytes) << "taken back";
        ASSERT_EQ(boxes.shown.size(), 2u);
        for (const auto &box : boxes.shown) {
            EXPECT_EQ(box.kind, MessageBoxes::Kind::Error);
            EXPECT_EQ(box.text, std::string("Не удается записать файл ") + blocked +
                                    "!\r\nИзменения не сохранены на диске.");
        }
        std::filesystem::remove(folder.file(blocked));
        folder.write(blocked, blockedBytes);
    }
}
