// Writes the four data files as a first start resets them, through the game's own loaders, so
// that a new game folder starts without warnings. Usage: makedatafiles PRISTINE [GAME]
// The pristine folder gets fresh files (they are what is installed); the game folder gets only
// the files it lacks, so a player's results there are never touched.
#include "data/datafiles.h"
#include "platform/answeringboxes.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s PRISTINE_FOLDER [GAME_FOLDER]\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path pristine = argv[1];
    std::error_code error;
    fs::create_directories(pristine, error);
    for (const char *file : {kClubFile, kRatingFile, kRecordsFile, kSlotsFile})
        fs::remove(pristine / file, error);

    SharedData data;
    AnsweringBoxes boxes;
    DataFiles files(data, boxes, pristine);
    files.LoadClub();
    files.LoadRating();
    files.LoadRecords();
    files.LoadSlots();

    if (argc == 3) {
        for (const char *file : {kClubFile, kRatingFile, kRecordsFile, kSlotsFile}) {
            const fs::path target = fs::path(argv[2]) / file;
            if (!fs::exists(target, error) && !fs::copy_file(pristine / file, target, error)) {
                std::fprintf(stderr, "cannot write %s\n", target.string().c_str());
                return 1;
            }
        }
    }
    return 0;
}
