// Feeds arbitrary bytes to the data file loaders: the first byte picks one file, or a whole
// start-up whose files are cut from the rest. Whatever the content, loading must stay
// inside the records and leave sane data.
#include "competition/slotrules.h"
#include "competition/standings.h"
#include "data/checksums.h"
#include "data/datafiles.h"
#include "data/verdictbook.h"
#include "platform/answeringboxes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace
{

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

void writeFile(const char *file, const uint8_t *bytes, std::size_t size)
{
    std::ofstream out(workFolder() / file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes), std::streamsize(size));
}

// Takes the next size bytes of the input, zeros once it runs out.
std::vector<uint8_t> take(const uint8_t *&bytes, std::size_t &size, std::size_t wanted)
{
    std::vector<uint8_t> part(wanted, 0);
    const std::size_t n = std::min(size, wanted);
    std::copy(bytes, bytes + n, part.begin());
    bytes += n;
    size -= n;
    return part;
}

// Cuts the files from the input with their checksums made to hold, so that the booking
// of interrupted games and the slot checks run on whatever the records contain.
void writeStartUpFiles(const uint8_t *bytes, std::size_t size)
{
    auto club = take(bytes, size, 540);
    // At least one member, so the club members' rating entries are booked.
    const int members = 1 + club[0] % 10;
    for (int k = 0; k < members; ++k)
        club[std::size_t(54 * k)] = uint8_t(std::max<int>(club[std::size_t(54 * k)], 1));
    writeFile(kClubFile, club.data(), club.size());

    auto scratch = std::make_unique<SharedData>();
    auto rating = take(bytes, size, sizeof scratch->Rating);
    std::memcpy(scratch->Rating.begin(), rating.data(), rating.size());
    scratch->Rating[41].Games = RatingChecksum(*scratch);
    writeFile(kRatingFile, reinterpret_cast<const uint8_t *>(scratch->Rating.begin()),
              rating.size());

    auto records = take(bytes, size, sizeof scratch->Records);
    std::memcpy(scratch->Records.begin(), records.data(), records.size());
    scratch->Records[31].Checksum = RecordsChecksum(*scratch);
    writeFile(kRecordsFile, reinterpret_cast<const uint8_t *>(scratch->Records.begin()),
              records.size());

    auto slots = take(bytes, size, sizeof scratch->Slots);
    std::memcpy(scratch->Slots.begin(), slots.data(), slots.size());
    scratch->Slots[11].Checksum = SlotsChecksum(*scratch);
    writeFile(kSlotsFile, reinterpret_cast<const uint8_t *>(scratch->Slots.begin()), slots.size());

    auto verdicts = take(bytes, size, sizeof scratch->Verdicts);
    std::memcpy(scratch->Verdicts.begin(), verdicts.data(), verdicts.size());
    scratch->Verdicts[11].Checksum = VerdictsChecksum(*scratch);
    writeFile(kVerdictsFile, reinterpret_cast<const uint8_t *>(scratch->Verdicts.begin()),
              verdicts.size());
}

// At most ten members, each name short enough and told apart from the others.
void checkClub(const SharedData &data)
{
    check(data.ClubCount <= 10);
    for (int k = 1; k <= data.ClubCount; ++k) {
        check(data.ClubNames[k].Length <= 17 && data.ClubPasswords[k].Length <= 17);
        check(ClubMemberOf(data, data.ClubNames[k]) == k);
    }
}

// Only club members keep verdicts, each at most fifty games.
void checkVerdicts(const SharedData &data)
{
    for (const TVerdictEntry &entry : data.Verdicts) {
        check(entry.Name.Length <= 17 && entry.Count <= kJudgedGamesKept);
        if (entry.Name.empty())
            continue;
        bool member = false;
        for (int k = 1; k <= data.ClubCount; ++k)
            member = member || data.ClubNames[k] == entry.Name;
        check(member && VerdictsOf(data, entry.Name) == &entry);
    }
}

template <std::size_t N> void checkPermutation(const OneBased<uint8_t, N> &order, int count)
{
    std::vector<bool> seen(std::size_t(count) + 1, false);
    for (int i = 1; i <= count; ++i) {
        check(order[i] >= 1 && order[i] <= count && !seen[order[i]]);
        seen[order[i]] = true;
    }
}

void startUp(SharedData &data, DataFiles &loader)
{
    loader.LoadAll();
    checkClub(data);
    checkVerdicts(data);
    for (int k = 1; k <= data.ClubCount; ++k)
        check(data.Rating[MemberEntry(k)].Status[1] != kInGame);
    for (std::size_t s = 1; s <= 10; ++s) {
        const TSaveSlot &slot = data.Slots[s];
        if (!SlotPlayable(slot))
            continue;
        check(RoundsPlayed(slot) <= RoundsTotal(slot));
        if (slot.IsCham) {
            SortChamOrder(data, slot);
            checkPermutation(data.ChamOrder, slot.Cham.ParticipantCount);
        } else {
            SortTurOrder(data, slot);
            checkPermutation(data.TurOrder, slot.Tur.ParticipantCount);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char *const files[] = {kClubFile,  kRatingFile, kRecordsFile,
                                        kSlotsFile, nullptr,     kVerdictsFile};
    const int mode = bytes[0] % 6;
    if (mode == 4)
        writeStartUpFiles(bytes + 1, size - 1);
    else
        writeFile(files[mode], bytes + 1, size - 1);
    auto data = std::make_unique<SharedData>();
    AnsweringBoxes boxes;
    DataFiles loader(*data, boxes, workFolder());
    switch (mode) {
    case 0:
        loader.LoadClub();
        checkClub(*data);
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
    case 4:
        startUp(*data, loader);
        break;
    case 5:
        loader.LoadClub();
        loader.LoadVerdicts();
        checkClub(*data);
        checkVerdicts(*data);
        break;
    default:
        loader.LoadSlots();
        for (const auto &slot : data->Slots)
            check(slot.Title.Length <= 21);
        break;
    }
    return 0;
}
