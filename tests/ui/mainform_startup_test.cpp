#include "app/ratingsheet.h"
#include "app/recordsheet.h"
#include "platform/tablestyle.h"
#include "results/ratingrows.h"

#include "tests/support/loadmessages.h"
#include "tests/ui/gameformfixture.h"
#include "tests/ui/mainformfixture.h"
#include "tests/ui/pixels.h"

#include <QAction>

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{

using namespace loadmessages;

const QColor kYellowRgb(255, 255, 0);
const QColor kAquaRgb(0, 255, 255);

std::uintmax_t sizeOf(const TempFolder &folder, const char *name)
{
    return std::filesystem::file_size(folder.file(name));
}

std::string readText(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST_F(MainFormTest, FirstStartReportsEachMissingFileOnceInLoadingOrderAndWritesThemAll)
{
    start();
    EXPECT_THAT(shownTexts(), ElementsAre(kNoClub, kNoRating, kNoRecords, kNoSlots));
    for (const auto &box : boxes.shown)
        EXPECT_EQ(box.kind, MessageBoxes::Kind::Warning);
    EXPECT_EQ(sizeOf(folder, kClubFile), 10u * 54);
    EXPECT_EQ(sizeOf(folder, kRatingFile), 41u * 248);
    EXPECT_EQ(sizeOf(folder, kRecordsFile), 31u * 116);
    EXPECT_EQ(sizeOf(folder, kSlotsFile), 11u * 968);
    EXPECT_EQ(data->CurTurSlot, 0);
    EXPECT_EQ(data->CurChamSlot, 0);
    // The reset rating is drawn: thirty computer players, the first one in row 1.
    EXPECT_EQ(RatingRow(*data, 1).name, "С.Ш.А.");
    const QImage &rating = form->ratingSheet()->picture();
    for (int r : {1, 30})
        EXPECT_TRUE(showsText(rating, QRect(50, (r - 1) * 15 + 2, 130, 15),
                              RatingRow(*data, r).name, kYellowRgb, TableFont()))
            << r;
    EXPECT_EQ(countColour(rating, QRect(50, 30 * 15 + 2, 130, 15), kYellowRgb), 0);

    restart();
    EXPECT_THAT(shownTexts(), IsEmpty()) << "every file was written anew";
}

TEST_F(MainFormTest, DamagedAndEditedFilesAreReportedOnceAndRewritten)
{
    start();
    // One byte short of its records, and a changed name character and score.
    std::vector<uint8_t> slotBytes = folder.read(kSlotsFile);
    slotBytes.pop_back();
    folder.write(kSlotsFile, slotBytes);
    std::vector<uint8_t> rating = folder.read(kRatingFile);
    rating[1] ^= 1;
    folder.write(kRatingFile, rating);
    std::vector<uint8_t> records = folder.read(kRecordsFile);
    records[20] = 7;
    folder.write(kRecordsFile, records);

    restart();
    EXPECT_THAT(shownTexts(), ElementsAre(kEditedRating, kEditedRecords, kBadSlots));
    EXPECT_EQ(sizeOf(folder, kSlotsFile), 11u * 968);
    EXPECT_EQ(RatingRow(*data, 1).name, "С.Ш.А.") << "the rating was reset";

    restart();
    EXPECT_THAT(shownTexts(), IsEmpty());
}

TEST_F(MainFormTest, ShortRatingFileIsResetAndTheResetRatingDrawn)
{
    start();
    folder.write(kRatingFile, std::vector<uint8_t>(100, 0));
    restart();
    EXPECT_THAT(shownTexts(), ElementsAre(kBadRating));
    EXPECT_EQ(sizeOf(folder, kRatingFile), 41u * 248);
    EXPECT_EQ(RatingRow(*data, 30).name, "Новая Зеландия");
}

TEST_F(MainFormTest, TablesAreDrawnFromTheLoadedFiles)
{
    start();
    data->Rating[5].RatingPoints = 1000;
    ASSERT_TRUE(files->SaveRating());
    TRecordEntry &best = data->Records[1];
    best.Name = Str17::fromText("Япония");
    best.Score = 333;
    best.Difficulty = 4;
    ASSERT_TRUE(files->SaveRecords());

    restart();
    ASSERT_THAT(shownTexts(), IsEmpty());
    EXPECT_EQ(RatingRow(*data, 1).name, "Япония");
    // Four digits of rating points reach further left in the last column than a single zero.
    const QImage &rating = form->ratingSheet()->picture();
    EXPECT_TRUE(showsText(rating, QRect(455, 2, 58, 15), RatingRow(*data, 1).rating, kYellowRgb,
                          TableFont()));
    EXPECT_EQ(countColour(rating, QRect(455, 17, 25, 15), kYellowRgb), 0);
    const QImage &records = form->recordSheet()->picture();
    EXPECT_TRUE(showsText(records, QRect(50, 35, 120, 15), "Япония", kAquaRgb, TableFont()));
}

TEST_F(MainFormTest, SoundSwitchComesFromTheSettingsAndIsWrittenOnExit)
{
    start();
    EXPECT_FALSE(data->SoundOn);
    EXPECT_EQ(form->soundNames()[1], "yourturn.wav");
    EXPECT_EQ(form->soundNames()[8], "badpriz.wav");
    auto *sound = form->findChild<QAction *>("SoundMenuItem");
    ASSERT_NE(sound, nullptr);
    EXPECT_FALSE(sound->isChecked());

    sound->trigger();
    EXPECT_TRUE(data->SoundOn);
    EXPECT_TRUE(sound->isChecked());
    form.reset();
    const std::string ini = readText(folder.file(kSettingsFile));
    EXPECT_NE(ini.find("is_sound=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("BadPrizeSound=badpriz.wav"), std::string::npos) << ini;

    start();
    EXPECT_TRUE(data->SoundOn);
    EXPECT_TRUE(form->findChild<QAction *>("SoundMenuItem")->isChecked());
}

TEST_F(MainFormTest, SilencedSoundKeepsItsFileNameInTheSettings)
{
    start();
    // The game silences a file it cannot open for this run only.
    gameformtest::FakeSoundDevice device;
    device.unplayable = {"yourturn.wav"};
    SoundBoard sounds(data->SoundOn, device);
    sounds.names = form->soundNames();
    sounds.checkFiles();
    EXPECT_EQ(sounds.names[1], SoundBoard::kNone);
    form.reset();
    const std::string ini = readText(folder.file(kSettingsFile));
    EXPECT_NE(ini.find("YourTurnSound=yourturn.wav"), std::string::npos) << ini;
}
