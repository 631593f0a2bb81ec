#pragma once

#include "data/clubrecord.h"
#include "data/shareddata.h"

#include <cstdint>
#include <vector>

class DataFiles;
class MessageBoxes;
class RandomSource;

// Why a name cannot join the club: a participant is known to a competition only by name, so a
// name must stay unique among the club members and the computer players.
enum class NameClash { None, ClubMember, ComputerPlayer };
NameClash NameClashOf(const SharedData &data, const Str17 &name);

// Adding and removing club members. The club file and the rating file change together or not
// at all: a failed write is reported and leaves memory and both files as they were.
class ClubBook
{
public:
    ClubBook(SharedData &data, DataFiles &files, RandomSource &random, MessageBoxes &boxes);

    const SharedData &data() const { return m_data; }
    bool full() const { return m_data.ClubCount >= kClubRecords; }

    // Appends a member with a fresh rating entry; false when the club is full or a write failed.
    bool AddMember(const Str17 &name, const Str17 &password);
    // Removes member k (1-based) whose password was already accepted; the later members move
    // down one place with their rating entries. The member's verdicts go with them.
    bool RemoveMember(int k);

private:
    // Memory and files as they were before a change, to go back to when a write fails.
    struct Snapshot {
        OneBased<TRatingEntry, 41> rating;
        OneBased<Str17, 10> names;
        OneBased<Str17, 10> passwords;
        uint8_t count;
        OneBased<uint8_t, 40> order;
    };

    // The club file as it stands, or rebuilt from memory when it is gone or of the wrong size;
    // false (reported) when something unreadable stands in its place.
    bool readClubFile(std::vector<uint8_t> &file);
    bool commitRating(const Snapshot &before, const std::vector<uint8_t> &fileBefore);
    Snapshot snapshot() const;
    void restore(const Snapshot &before);
    // Record k with a fresh mask.
    void putRecord(std::vector<uint8_t> &file, int k, const Str17 &name, const Str17 &password);

    SharedData &m_data;
    DataFiles &m_files;
    RandomSource &m_random;
    MessageBoxes &m_boxes;
};
