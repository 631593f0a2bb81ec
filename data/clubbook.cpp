#include "data/clubbook.h"

#include "data/clubrecord.h"
#include "data/datafiles.h"
#include "data/ratingbook.h"
#include "platform/filestore.h"
#include "platform/messageboxes.h"
#include "platform/randomsource.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>

NameClash NameClashOf(const SharedData &data, const Str17 &name)
{
    if (ClubMemberOf(data, name) != 0)
        return NameClash::ClubMember;
    for (const char *computer : ComputerNames) {
        if (Str17::fromText(computer) == name)
            return NameClash::ComputerPlayer;
    }
    return NameClash::None;
}

ClubBook::ClubBook(SharedData &data, DataFiles &files, RandomSource &random, MessageBoxes &boxes)
    : m_data(data), m_files(files), m_random(random), m_boxes(boxes)
{
}

bool ClubBook::AddMember(const Str17 &name, const Str17 &password)
{
    if (full())
        return false;
    std::vector<uint8_t> file;
    if (!readClubFile(file))
        return false;
    const std::vector<uint8_t> fileBefore = file;
    const int k = m_data.ClubCount + 1;
    putRecord(file, k, name, password);
    if (!m_files.SaveClub(file))
        return false;

    const Snapshot before = snapshot();
    m_data.ClubCount = uint8_t(k);
    m_data.ClubNames[k] = name;
    m_data.ClubPasswords[k] = password;
    ResetRatingEntry(m_data.Rating[MemberEntry(k)], name);
    return commitRating(before, fileBefore);
}

bool ClubBook::RemoveMember(int k)
{
    const int count = m_data.ClubCount;
    if (k < 1 || k > count)
        return false;
    std::vector<uint8_t> file;
    if (!readClubFile(file))
        return false;
    const std::vector<uint8_t> fileBefore = file;
    // The later records move down whole, masks included; the last one becomes free.
    const auto record = [&file](int m) { return file.begin() + (m - 1) * kClubRecordSize; };
    std::copy(record(k + 1), record(count + 1), record(k));
    std::fill(record(count), record(count + 1), uint8_t(0));
    if (!m_files.SaveClub(file))
        return false;

    const Snapshot before = snapshot();
    for (int m = k; m < count; ++m) {
        m_data.ClubNames[m] = m_data.ClubNames[m + 1];
        m_data.ClubPasswords[m] = m_data.ClubPasswords[m + 1];
        m_data.Rating[MemberEntry(m)] = m_data.Rating[MemberEntry(m + 1)];
    }
    m_data.ClubCount = uint8_t(count - 1);
    ResetRatingEntry(m_data.Rating[MemberEntry(count)], Str17{});
    if (!commitRating(before, fileBefore))
        return false;
    // The member's verdicts leave with them; a failed write is reported and they are dropped
    // at the next start instead.
    m_files.SaveVerdicts();
    return true;
}

bool ClubBook::readClubFile(std::vector<uint8_t> &file)
{
    const auto path = m_files.pathOf(kClubFile);
    const auto stored = filestore::read(path);
    std::error_code error;
    if (!stored && std::filesystem::exists(path, error)) {
        // Something stands there that cannot be read: it is not ours to replace.
        m_boxes.show(MessageBoxes::Kind::Error, WriteFailedText(kClubFile));
        return false;
    }
    if (stored && stored->size() / kClubRecordSize == kClubRecords) {
        file.assign(stored->begin(), stored->begin() + kClubRecordSize * kClubRecords);
        return true;
    }
    // Gone or damaged while the program runs: the club in memory is the truth.
    file.assign(kClubRecordSize * kClubRecords, 0);
    for (int k = 1; k <= m_data.ClubCount; ++k)
        putRecord(file, k, m_data.ClubNames[k], m_data.ClubPasswords[k]);
    return true;
}

bool ClubBook::commitRating(const Snapshot &before, const std::vector<uint8_t> &fileBefore)
{
    SortRating(m_data);
    if (m_files.SaveRating())
        return true;
    // The rating file still holds the old club; the club file goes back to match it.
    restore(before);
    m_files.SaveClub(fileBefore);
    return false;
}

ClubBook::Snapshot ClubBook::snapshot() const
{
    return {m_data.Rating, m_data.ClubNames, m_data.ClubPasswords, m_data.ClubCount,
            m_data.RatingOrder};
}

void ClubBook::restore(const Snapshot &before)
{
    m_data.Rating = before.rating;
    m_data.ClubNames = before.names;
    m_data.ClubPasswords = before.passwords;
    m_data.ClubCount = before.count;
    m_data.RatingOrder = before.order;
}

void ClubBook::putRecord(std::vector<uint8_t> &file, int k, const Str17 &name,
                         const Str17 &password)
{
    ClubMask mask;
    for (auto &byte : mask)
        byte = uint8_t(m_random.below(256));
    const ClubRecord record = maskedRecord(name, password, mask);
    std::memcpy(file.data() + (k - 1) * kClubRecordSize, &record, kClubRecordSize);
}
