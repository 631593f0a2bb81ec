// Feeds arbitrary bytes to the data file loaders: the first byte picks the file, the rest is
// its content. Whatever the content, loading must stay inside the records and leave sane data.
#include "data/datafiles.h"
#include "platform/messageboxes.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace
{

class SilentBoxes : public MessageBoxes
{
public:
    void show(Kind, const std::string &) override {}
    bool askYesNo(const std::string &) override { return false; }
};

const std::filesystem::path &workFolder()
{
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("vertoxfuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char *const files[] = {kClubFile, kRatingFile, kRecordsFile, kSlotsFile};
    const char *file = files[bytes[0] % 4];
    {
        std::ofstream out(workFolder() / file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes + 1), std::streamsize(size - 1));
    }
    auto data = std::make_unique<SharedData>();
    SilentBoxes boxes;
    DataFiles loader(*data, boxes, workFolder());
    switch (bytes[0] % 4) {
    case 0:
        loader.LoadClub();
        check(data->ClubCount <= 10);
        for (int k = 1; k <= data->ClubCount; ++k)
            check(data->ClubNames[k].Length <= 17 && data->ClubPasswords[k].Length <= 17);
        break;
    case 1:
        loader.LoadRating();
        for (std::size_t e = 1; e <= 41; ++e)
            check(data->Rating[e].Name.Length <= 17);
        for (int i = 1; i <= data->ratedCount(); ++i)
            check(data->RatingOrder[i] >= 1 && data->RatingOrder[i] <= data->ratedCount());
        break;
    case 2:
        loader.LoadRecords();
        for (const auto &row : data->Records)
            check(row.Name.Length <= 17);
        break;
    default:
        loader.LoadSlots();
        for (const auto &slot : data->Slots)
            check(slot.Title.Length <= 21);
        break;
    }
    return 0;
}
