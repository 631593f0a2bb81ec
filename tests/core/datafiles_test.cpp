#include "data/checksums.h"
#include "data/datafiles.h"
#include "data/verdictbook.h"

#include "tests/support/loadmessages.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/tempfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

using ::testing::ElementsAre;

namespace
{

using namespace loadmessages;

class DataFilesTest : public ::testing::Test
{
protected:
    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const auto &box : boxes.shown)
            result.push_back(box.text);
        return result;
    }
    // A fresh program start on the same folder.
    void restart()
    {
        data = std::make_unique<SharedData>();
        files = std::make_unique<DataFiles>(*data, boxes, folder.path());
        boxes.shown.clear();
    }
    // A club file with the given members, passwords masked with a fixed mask.
    void writeClub(const std::vector<std::pair<std::string, std::string>> &members,
                   std::size_t atRecord = 0)
    {
        std::vector<uint8_t> bytes(540, 0);
        std::size_t record = atRecord;
        for (const auto &[name, password] : members) {
            uint8_t *r = bytes.data() + 54 * record++;
            const Str17 n = Str17::fromText(name);
            const Str17 p = Str17::fromText(password);
            std::memcpy(r, &n, 18);
            for (int i = 0; i < 18; ++i) {
                r[36 + i] = uint8_t(0x5A + 7 * i);
                r[18 + i] = reinterpret_cast<const uint8_t *>(&p)[i] ^ r[36 + i];
            }
        }
        folder.write(kClubFile, bytes);
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    std::unique_ptr<DataFiles> files = std::make_unique<DataFiles>(*data, boxes, folder.path());
};

} // namespace

TEST_F(DataFilesTest, FirstStartResetsEveryFileOnceWithItsMessage)
{
    files->LoadAll();
    EXPECT_THAT(texts(), ElementsAre(kNoClub, kNoRating, kNoRecords, kNoSlots));
    for (const auto &box : boxes.shown)
        EXPECT_EQ(box.kind, MessageBoxes::Kind::Warning);

    EXPECT_EQ(folder.read(kClubFile), std::vector<uint8_t>(540, 0));
    EXPECT_EQ(folder.read(kRatingFile).size(), 41u * 248);
    EXPECT_EQ(folder.read(kRecordsFile).size(), 31u * 116);
    EXPECT_EQ(folder.read(kSlotsFile).size(), 11u * 968);
    EXPECT_EQ(folder.read(kVerdictsFile).size(), 11u * 6424) << "made without a word";
    EXPECT_EQ(data->Rating[1].Name.text(), "С.Ш.А.");
    EXPECT_EQ(data->Rating[30].Name.text(), "Новая Зеландия");
    EXPECT_TRUE(data->Rating[31].Name.empty());
    EXPECT_EQ(data->Rating[7].Status[10], 1);
    EXPECT_EQ(data->RatingOrder[40], 40);
    // By value: the records are packed, so a reference to a date would be misaligned.
    EXPECT_EQ(double(data->Records[5].Date), 1.0);
    EXPECT_EQ(double(data->Records[31].Date), 0.0);

    restart();
    files->LoadAll();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(data->Rating[12].Name.text(), "Ю.А.Р.");
}

TEST_F(DataFilesTest, NamesAreStoredInCodePage1251)
{
    files->LoadAll();
    const auto bytes = folder.read(kRatingFile);
    // Entry 6 is "Россия": length 6, then Р = 0xD0, о = 0xEE.
    const uint8_t *russia = bytes.data() + 5 * 248;
    EXPECT_EQ(russia[0], 6);
    EXPECT_EQ(russia[1], 0xD0);
    EXPECT_EQ(russia[2], 0xEE);
}

TEST_F(DataFilesTest, EveryFileRoundTripsByteForByte)
{
    files->LoadAll();
    data->Rating[3].Games = 7;
    data->Rating[3].Last50[7] = 250;
    data->Records[1].Name = Str17::fromText("Игрок");
    data->Records[1].Score = 321;
    data->Records[1].Date = 46000.0;
    data->Records[1].ComboScores[16] = 30;
    data->Records[21].Prize.AvgScore = 18550;
    data->Slots[4].Title = Str21::fromText("Весенний турнир");
    data->Slots[4].Tur.TurTotal[10] = -5; // where a championship keeps names
    data->Slots[4].Tur.RoundsTotal = 30;
    data->Slots[5].IsCham = 1;
    data->Slots[5].Names[30] = Str17::fromText("Куба");
    data->Slots[5].Cham.ClubTogether = 1;
    ASSERT_TRUE(files->SaveRating());
    ASSERT_TRUE(files->SaveRecords());
    ASSERT_TRUE(files->SaveSlots());
    const auto rating = folder.read(kRatingFile);
    const auto records = folder.read(kRecordsFile);
    const auto slots = folder.read(kSlotsFile);

    const SharedData before = *data;
    restart();
    files->LoadAll();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(std::memcmp(&data->Records, &before.Records, sizeof before.Records), 0);
    EXPECT_EQ(std::memcmp(&data->Slots, &before.Slots, sizeof before.Slots), 0);
    EXPECT_EQ(std::memcmp(&data->Rating, &before.Rating, sizeof before.Rating), 0);
    EXPECT_EQ(folder.read(kRatingFile), rating);
    EXPECT_EQ(folder.read(kRecordsFile), records);
    EXPECT_EQ(folder.read(kSlotsFile), slots);

    // Field offsets on disk.
    int32_t value;
    std::memcpy(&value, records.data() + 112, 4);
    EXPECT_EQ(value, 30);
    std::memcpy(&value, records.data() + 20 * 116 + 60, 4);
    EXPECT_EQ(value, 18550);
    std::memcpy(&value, slots.data() + 3 * 968 + 240 + 36, 4);
    EXPECT_EQ(value, -5);
    std::memcpy(&value, rating.data() + 40 * 248 + 20, 4);
    EXPECT_EQ(value, RatingChecksum(before));
}

TEST_F(DataFilesTest, WholeRecordCountsDecideTheSize)
{
    files->LoadAll();
    auto rating = folder.read(kRatingFile);
    rating.push_back(0x42);
    folder.write(kRatingFile, rating);
    restart();
    files->LoadClub();
    files->LoadRating();
    EXPECT_TRUE(boxes.shown.empty()) << "one byte more still holds 41 whole records";

    rating.resize(41 * 248 - 1);
    folder.write(kRatingFile, rating);
    restart();
    files->LoadClub();
    files->LoadRating();
    EXPECT_THAT(texts(), ElementsAre(kBadRating));
    EXPECT_EQ(folder.read(kRatingFile).size(), 41u * 248);
    // The damaged file is kept beside the new one.
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "vertoxwn.ray.bad"), 41u * 248 - 1);

    auto slots = folder.read(kSlotsFile);
    slots.pop_back();
    folder.write(kSlotsFile, slots);
    restart();
    files->LoadSlots();
    EXPECT_THAT(texts(), ElementsAre(kBadSlots));
}

TEST_F(DataFilesTest, OneWholeRecordTooManyIsDamaged)
{
    struct Case {
        const char *file;
        std::size_t record;
        const char *message;
    };
    for (const Case &c : {Case{kRatingFile, 248, kBadRating}, Case{kRecordsFile, 116, kBadRecords},
                          Case{kSlotsFile, 968, kBadSlots}}) {
        SCOPED_TRACE(c.file);
        restart();
        files->LoadAll();
        auto bytes = folder.read(c.file);
        bytes.resize(bytes.size() + c.record);
        folder.write(c.file, bytes);
        restart();
        files->LoadAll();
        EXPECT_THAT(texts(), ElementsAre(c.message));
    }
}

TEST_F(DataFilesTest, HandEditedNamesAreNoticedWhereCovered)
{
    files->LoadAll();
    auto rating = folder.read(kRatingFile);
    // The 17th character of a name is not covered by the checksum.
    rating[2 * 248 + 17] = 'Q';
    folder.write(kRatingFile, rating);
    restart();
    files->LoadClub();
    files->LoadRating();
    EXPECT_TRUE(boxes.shown.empty());

    rating = folder.read(kRatingFile);
    rating[2 * 248 + 1] ^= 1;
    folder.write(kRatingFile, rating);
    restart();
    files->LoadClub();
    files->LoadRating();
    EXPECT_THAT(texts(), ElementsAre(kEditedRating));
    EXPECT_EQ(data->Rating[3].Name.text(), "Италия");
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "vertoxwn.ray.bad"));

    auto records = folder.read(kRecordsFile);
    records[20] = 99; // a score
    folder.write(kRecordsFile, records);
    restart();
    files->LoadRecords();
    EXPECT_THAT(texts(), ElementsAre(kEditedRecords));
}

TEST_F(DataFilesTest, FolderInPlaceOfAFileCannotBeOpenedNorReplaced)
{
    std::filesystem::create_directory(folder.file(kRecordsFile));
    const auto before = folder.contents();
    files->LoadRecords();
    EXPECT_THAT(texts(), ElementsAre(kNoRecords, "Не удается записать файл vertoxwn.rec!\r\n"
                                                 "Изменения не сохранены на диске."));
    EXPECT_EQ(double(data->Records[20].Date), 1.0);
    // The new bytes were written beside it but could not take its place: they are gone again.
    EXPECT_FALSE(files->SaveRecords());
    EXPECT_EQ(folder.contents(), before);
}

TEST_F(DataFilesTest, AllZeroFilesPass)
{
    folder.write(kRatingFile, std::vector<uint8_t>(41 * 248, 0));
    folder.write(kRecordsFile, std::vector<uint8_t>(31 * 116, 0));
    folder.write(kSlotsFile, std::vector<uint8_t>(11 * 968, 0));
    writeClub({});
    files->LoadAll();
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DataFilesTest, RatingWithOneGamePassesOnlyWithItsChecksum)
{
    std::vector<uint8_t> rating(41 * 248, 0);
    rating[20] = 1;
    folder.write(kRatingFile, rating);
    files->LoadRating();
    EXPECT_THAT(texts(), ElementsAre(kEditedRating));

    rating[40 * 248 + 20] = 3;
    folder.write(kRatingFile, rating);
    restart();
    files->LoadRating();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(data->Rating[1].Games, 1);
}

TEST_F(DataFilesTest, ClubStopsAtTheFirstFreeRecordAndUnmasksPasswords)
{
    writeClub({{"Аня", "секрет"}, {"Борис", "пароль"}});
    // A name in record 5 after the free record 3 is ignored.
    auto bytes = folder.read(kClubFile);
    const Str17 stray = Str17::fromText("Лишний");
    std::memcpy(bytes.data() + 4 * 54, &stray, 18);
    folder.write(kClubFile, bytes);

    files->LoadClub();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(data->ClubCount, 2);
    EXPECT_EQ(data->ClubNames[1].text(), "Аня");
    EXPECT_EQ(data->ClubPasswords[1].text(), "секрет");
    EXPECT_EQ(data->ClubPasswords[2].text(), "пароль");

    folder.write(kClubFile, std::vector<uint8_t>(539, 0));
    restart();
    files->LoadClub();
    EXPECT_THAT(texts(), ElementsAre(kBadClub));
    EXPECT_EQ(data->ClubCount, 0);
    EXPECT_EQ(folder.read(kClubFile), std::vector<uint8_t>(540, 0));
}

TEST_F(DataFilesTest, ClubStopsAtANameReadTwiceWithAMessageAndACopy)
{
    writeClub(
        {{"Аня", "a"}, {"яяяяяяяяяяяяяяяяя", "b"}, {"яяяяяяяяяяяяяяяяя", "c"}, {"Вера", "d"}});
    auto bytes = folder.read(kClubFile);
    bytes[2 * 54] = 255; // the same seventeen "я" as record 2 once cut to its room
    folder.write(kClubFile, bytes);
    files->LoadClub();
    EXPECT_EQ(data->ClubCount, 2);
    EXPECT_THAT(texts(),
                ElementsAre("Испорченный файл с клубом игроков!\r\nИгрок яяяяяяяяяяяяяяяяя записан "
                            "дважды, клуб загружен до повтора."));
    EXPECT_EQ(folder.read("vertoxwn.clb.bad"), bytes);
    std::fill(bytes.begin() + 2 * 54, bytes.end(), 0);
    EXPECT_EQ(folder.read(kClubFile), bytes);
}

TEST_F(DataFilesTest, ClubResetKeepsTheRatingNames)
{
    writeClub({{"Аня", "a"}});
    files->LoadAll();
    EXPECT_EQ(data->Rating[31].Name.text(), "Аня");

    std::filesystem::remove(folder.file(kClubFile));
    restart();
    files->LoadAll();
    EXPECT_THAT(texts(), ElementsAre(kNoClub));
    EXPECT_EQ(data->ClubCount, 0);
    EXPECT_EQ(data->Rating[31].Name.text(), "Аня");
}

TEST_F(DataFilesTest, InterruptedGameIsBookedWithZeroAtStart)
{
    writeClub({{"Аня", "a"}, {"Борис", "b"}});
    files->LoadAll();
    data->Rating[31].Games = 50;
    for (std::size_t i = 1; i <= 50; ++i)
        data->Rating[31].Last50[i] = int32_t(i);
    data->Rating[31].Status[1] = kInGame;
    data->Rating[32].Games = 2;
    data->Rating[32].Last50[1] = 100;
    data->Rating[32].Last50[2] = 200;
    data->Rating[32].TotalScore = 300;
    data->Rating[32].PrizePoints = 7;
    data->Rating[32].Status[1] = kInGame;
    files->SaveRating();

    restart();
    files->LoadAll();
    EXPECT_TRUE(boxes.shown.empty());
    const TRatingEntry &anya = data->Rating[31];
    EXPECT_EQ(anya.Games, 51);
    EXPECT_EQ(anya.Status[1], 1);
    EXPECT_EQ(anya.Last50[1], 2);
    EXPECT_EQ(anya.Last50[50], 0);
    const TRatingEntry &boris = data->Rating[32];
    EXPECT_EQ(boris.Games, 3);
    EXPECT_EQ(boris.TotalScore, 300);
    EXPECT_EQ(boris.Last50[3], 0);
    EXPECT_EQ(boris.RatingPoints, 2 * 300 + 7 + 3);
    // Written at once: the next start finds nothing to book.
    restart();
    files->LoadAll();
    EXPECT_EQ(data->Rating[32].Games, 3);
    EXPECT_EQ(data->RatingOrder[1], 31);
    EXPECT_EQ(data->RatingOrder[2], 32);
}

TEST_F(DataFilesTest, OverlongLengthBytesAreClampedAfterTheCheck)
{
    files->LoadAll();
    data->Rating[5].Name.Length = 200;
    data->Records[2].Name.Length = 255;
    data->Slots[1].Title.Length = 90;
    files->SaveRating();
    files->SaveRecords();
    files->SaveSlots();
    writeClub({{"Аня", "a"}});
    auto club = folder.read(kClubFile);
    club[0] = 250;
    folder.write(kClubFile, club);

    restart();
    files->LoadAll();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(data->Rating[5].Name.Length, 17);
    EXPECT_EQ(data->Records[2].Name.Length, 17);
    EXPECT_EQ(data->Slots[1].Title.Length, 21);
    EXPECT_EQ(data->ClubNames[1].Length, 17);
    EXPECT_LE(data->ClubPasswords[1].Length, 17);
}

TEST_F(DataFilesTest, FailedWriteIsReportedAndLeavesTheOldFile)
{
    files->LoadAll();
    const auto before = folder.read(kRatingFile);
    // A folder where the temporary file should go makes the write fail...
    std::filesystem::create_directory(folder.path() / "vertoxwn.ray.tmp");
    // ...but a file that already holds what is to be written needs no write.
    EXPECT_TRUE(files->SaveRating());
    ASSERT_EQ(boxes.shown.size(), 4u);
    data->Rating[1].Games = 5;
    EXPECT_FALSE(files->SaveRating());
    ASSERT_EQ(boxes.shown.size(), 5u);
    EXPECT_EQ(boxes.shown.back().kind, MessageBoxes::Kind::Error);
    EXPECT_NE(boxes.shown.back().text.find("vertoxwn.ray"), std::string::npos);
    EXPECT_EQ(folder.read(kRatingFile), before);
}

TEST_F(DataFilesTest, VerdictsRoundTripAndDamageIsSetAsideAsInTheOtherFiles)
{
    writeClub({{"Аня", "a"}, {"Борис", "b"}});
    files->LoadAll();
    TJudgedGame game{46000.0, 0, {}, 231.5, 12.25, {}};
    for (game.Total = 1; game.Total <= 52; ++game.Total)
        ASSERT_TRUE(AddJudgedGame(*data, Str17::fromText("Аня"), game));
    EXPECT_FALSE(AddJudgedGame(*data, Str17::fromText("Япония"), game));
    ASSERT_TRUE(files->SaveVerdicts());
    const auto saved = data->Verdicts;
    const auto bytesOf = [](const auto &verdicts) {
        const auto *p = reinterpret_cast<const uint8_t *>(verdicts.begin());
        return std::vector<uint8_t>(p, p + sizeof verdicts);
    };
    const std::vector<uint8_t> good = folder.read(kVerdictsFile);
    restart();
    files->LoadAll();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(bytesOf(data->Verdicts), bytesOf(saved));
    const TVerdictEntry &anya = data->Verdicts[1];
    EXPECT_EQ(std::vector<int>({anya.Count, anya.Games[1].Total, anya.Games[50].Total}),
              std::vector<int>({50, 3, 52}));

    // Cut, grown by a record, edited, or its checksum edited: kept as .bad, started empty.
    const std::size_t none = good.size();
    const std::pair<std::size_t, std::size_t> cases[] = {{good.size() - 1, none},
                                                         {good.size() + 6424, none},
                                                         {good.size(), 24 + 8},
                                                         {good.size(), 10 * 6424 + 20}};
    for (const auto &[size, flipped] : cases) {
        std::vector<uint8_t> bytes = good;
        bytes.resize(size);
        if (flipped < size)
            bytes[flipped] ^= 0x21;
        folder.write(kVerdictsFile, bytes);
        restart();
        files->LoadAll();
        EXPECT_THAT(texts(), ElementsAre(size == good.size() ? kEditedVerdicts : kBadVerdicts));
        EXPECT_EQ(folder.read("vertoxwn.stt.bad"), bytes);
        EXPECT_EQ(folder.read(kVerdictsFile), std::vector<uint8_t>(good.size(), 0));
        EXPECT_EQ(VerdictsOf(*data, Str17::fromText("Аня")), nullptr);
    }

    // A name outside the club is ignored and dropped at the next write; a count past fifty
    // with its checksum made good is held to fifty.
    data->Verdicts = saved;
    data->Verdicts[2] = saved[1];
    data->Verdicts[2].Name = Str17::fromText("Чужой");
    data->Verdicts[3] = saved[1]; // a second entry of one name, likewise
    data->Verdicts[1].Count = 200;
    data->Verdicts[11].Checksum = VerdictsChecksum(*data);
    folder.write(kVerdictsFile, bytesOf(data->Verdicts));
    restart();
    files->LoadAll();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(data->Verdicts[1].Count, 50);
    EXPECT_EQ(VerdictsOf(*data, Str17::fromText("Чужой")), nullptr);
    ASSERT_TRUE(files->SaveVerdicts());
    EXPECT_EQ(folder.read(kVerdictsFile), good);
}

TEST(SortRating, HighestFirstAndTiesByEntryNumber)
{
    auto data = std::make_unique<SharedData>();
    data->ClubCount = 2;
    for (int e = 1; e <= 32; ++e)
        data->Rating[e].RatingPoints = 10;
    data->Rating[32].RatingPoints = 50;
    data->Rating[5].RatingPoints = 50;
    data->Rating[9].RatingPoints = -3;
    data->RatingOrder[40] = 77; // beyond the rated entries: left alone
    SortRating(*data);
    EXPECT_EQ(data->RatingOrder[1], 5);
    EXPECT_EQ(data->RatingOrder[2], 32);
    EXPECT_EQ(data->RatingOrder[3], 1);
    EXPECT_EQ(data->RatingOrder[10], 10);
    EXPECT_EQ(data->RatingOrder[31], 31);
    EXPECT_EQ(data->RatingOrder[32], 9);
    EXPECT_EQ(data->RatingOrder[40], 77);
}
