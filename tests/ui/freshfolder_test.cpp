#include "tests/ui/mainformfixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace
{

std::vector<uint8_t> shipped(const char *file)
{
    std::ifstream in(fs::path(VERTOX_PRISTINE_DIR) / file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

// The files the build puts into a new game folder are exactly what a first start would write,
// so the player's first start shows no warning and rewrites nothing.
TEST_F(MainFormTest, FreshGameFolderStartsWithoutWarnings)
{
    for (const char *file : {kClubFile, kRatingFile, kRecordsFile, kSlotsFile})
        fs::copy_file(fs::path(VERTOX_PRISTINE_DIR) / file, folder.file(file));
    start();
    EXPECT_TRUE(shownTexts().empty());
    EXPECT_EQ(data->Rating[30].Name.text(), "Новая Зеландия");

    // A file lost later is still reported and reset to the same bytes as shipped.
    fs::remove(folder.file(kSlotsFile));
    restart();
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{
                  "Не удается найти или открыть файл vertoxwn.sav!\r\nРезультаты обнулятся."});
    for (const char *file : {kClubFile, kRatingFile, kRecordsFile, kSlotsFile})
        EXPECT_EQ(folder.read(file), shipped(file)) << file;
}
