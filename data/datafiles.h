#pragma once

#include "data/shareddata.h"
#include "platform/gamefiles.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

class MessageBoxes;

// The data files: loading with recovery at start-up, and the writers the game calls.
// Files are opened by bare name in the folder given (the working folder by default).
class DataFiles
{
public:
    DataFiles(SharedData &data, MessageBoxes &boxes, std::filesystem::path folder = {});

    // Every file, in the order a start needs: the club first, so that the rating and the
    // verdicts know its members.
    void LoadAll();
    void LoadClub();
    void LoadRating();
    void LoadRecords();
    void LoadSlots();
    // After the club: only its members' verdicts are kept. A missing file is made silently.
    void LoadVerdicts();

    // Each rewrites its whole file; a failed write is reported and the program goes on.
    bool SaveRating();
    bool SaveRecords();
    bool SaveSlots();
    // Drops the verdicts of names that left the club before writing.
    bool SaveVerdicts();
    // The club file is built by the club, record by record; this writes all of it.
    bool SaveClub(const std::vector<uint8_t> &records);

    std::filesystem::path pathOf(const char *file) const { return m_folder / file; }

private:
    // Held: the file could be neither read nor set aside, so it is never written over.
    enum class Load { Ok, Failed, Held };
    struct Messages {
        const char *cannotOpen;
        const char *damaged;
        const char *edited;
    };

    template <typename Record, std::size_t N>
    Load loadChecked(const char *file, OneBased<Record, N> &records, const Messages &messages,
                     int32_t (*checksum)(const SharedData &), int32_t Record::*stored);
    bool save(const char *file, const void *bytes, std::size_t size);
    Load cannotOpen(const char *file, const char *message);
    // The members up to the first free record, or up to a name read before.
    void readClubMembers(std::vector<uint8_t> file);
    void resetRating(bool write);
    void bookInterruptedGames();

    SharedData &m_data;
    MessageBoxes &m_boxes;
    std::filesystem::path m_folder;
    std::set<std::string> m_held;
};

// What a failed write of a data file tells the player.
std::string WriteFailedText(const char *file);

// RatingOrder: the rated entries by rating points, highest first, ties by entry number.
void SortRating(SharedData &data);
