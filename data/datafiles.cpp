#include "data/datafiles.h"

#include "data/checksums.h"
#include "data/clubrecord.h"
#include "data/rankorder.h"
#include "data/ratingbook.h"
#include "data/verdictbook.h"
#include "platform/filestore.h"
#include "platform/messageboxes.h"

#include <algorithm>
#include <cstring>

namespace
{

template <std::size_t N> void clampNames(OneBased<TRatingEntry, N> &entries)
{
    for (auto &entry : entries)
        entry.Name.clampLength();
}
template <std::size_t N> void clampNames(OneBased<TRecordEntry, N> &entries)
{
    for (auto &entry : entries)
        entry.Name.clampLength();
}
template <std::size_t N> void clampNames(OneBased<TSaveSlot, N> &slots)
{
    for (auto &slot : slots) {
        slot.Title.clampLength();
        // A tournament keeps its counters where names 11..30 would be.
        const std::size_t names = slot.IsCham ? 30 : 10;
        for (std::size_t k = 1; k <= names; ++k)
            slot.Names[k].clampLength();
    }
}

template <std::size_t N> void clampNames(OneBased<TVerdictEntry, N> &entries)
{
    for (auto &entry : entries) {
        entry.Name.clampLength();
        entry.Count = std::min(entry.Count, kJudgedGamesKept);
    }
}

} // namespace

std::string WriteFailedText(const char *file)
{
    return std::string("Не удается записать файл ") + file +
           "!\r\nИзменения не сохранены на диске.";
}

DataFiles::DataFiles(SharedData &data, MessageBoxes &boxes, std::filesystem::path folder)
    : m_data(data), m_boxes(boxes), m_folder(std::move(folder))
{
}

bool DataFiles::save(const char *file, const void *bytes, std::size_t size)
{
    const auto path = pathOf(file);
    if (m_held.count(file) != 0) {
        m_boxes.show(MessageBoxes::Kind::Error, WriteFailedText(file));
        return false;
    }
    // Rewriting identical bytes gains nothing; the rating is saved at every start.
    if (filestore::holds(path, bytes, size) || filestore::writeWhole(path, bytes, size))
        return true;
    m_boxes.show(MessageBoxes::Kind::Error, WriteFailedText(file));
    return false;
}

template <typename Record, std::size_t N>
DataFiles::Load
DataFiles::loadChecked(const char *file, OneBased<Record, N> &records, const Messages &messages,
                       int32_t (*checksum)(const SharedData &), int32_t Record::*stored)
{
    const auto path = pathOf(file);
    const auto bytes = filestore::read(path);
    if (!bytes)
        return cannotOpen(file, messages.cannotOpen);
    if (bytes->size() / sizeof(Record) != N) {
        filestore::keepDamagedCopy(path);
        m_boxes.show(MessageBoxes::Kind::Warning, messages.damaged);
        return Load::Failed;
    }
    std::memcpy(records.begin(), bytes->data(), sizeof(Record) * N);
    if (checksum(m_data) != records[N].*stored) {
        filestore::keepDamagedCopy(path);
        m_boxes.show(MessageBoxes::Kind::Warning, messages.edited);
        return Load::Failed;
    }
    clampNames(records);
    return Load::Ok;
}

DataFiles::Load DataFiles::cannotOpen(const char *file, const char *message)
{
    // A file that is there but cannot be read still holds a player's history: it is moved
    // aside before the reset, and when even that fails it is left alone for the whole run.
    const auto path = pathOf(file);
    if (!filestore::existsUnread(path) || filestore::setAside(path)) {
        m_boxes.show(MessageBoxes::Kind::Warning, message);
        return Load::Failed;
    }
    m_held.insert(file);
    m_boxes.show(MessageBoxes::Kind::Warning,
                 std::string(message) + "\r\nФайл " + file +
                     " не удается прочитать, он останется нетронутым.");
    return Load::Held;
}

void DataFiles::LoadAll()
{
    LoadClub();
    LoadRating();
    LoadRecords();
    LoadSlots();
    LoadVerdicts();
}

void DataFiles::LoadClub()
{
    const auto path = pathOf(kClubFile);
    const auto bytes = filestore::read(path);
    if (bytes && bytes->size() / kClubRecordSize == kClubRecords) {
        readClubMembers(*bytes);
        return;
    }
    Load load = Load::Failed;
    if (!bytes) {
        load = cannotOpen(
            kClubFile,
            "Не удается найти или открыть файл с клубом игроков!\r\nРезультаты обнулятся.");
    } else {
        filestore::keepDamagedCopy(path);
        m_boxes.show(MessageBoxes::Kind::Warning,
                     "Испорченный файл с клубом игроков!\r\nРезультаты обнулятся.");
    }
    m_data.ClubCount = 0;
    const std::vector<uint8_t> empty(kClubRecordSize * kClubRecords, 0);
    if (load != Load::Held)
        SaveClub(empty);
}

void DataFiles::readClubMembers(std::vector<uint8_t> file)
{
    m_data.ClubCount = 0;
    for (std::size_t k = 1; k <= kClubRecords; ++k) {
        ClubRecord record;
        std::memcpy(&record, file.data() + (k - 1) * kClubRecordSize, kClubRecordSize);
        if (record.Name.empty())
            return;
        record.Name.clampLength();
        if (ClubMemberOf(m_data, record.Name) != 0) {
            // The club refuses a name it has, so only damage or a hand edit writes one twice:
            // the club ends before it as at a free record. The file is kept aside and written
            // anew with this record and the later ones free, so the message comes only once.
            filestore::keepDamagedCopy(pathOf(kClubFile));
            m_boxes.show(MessageBoxes::Kind::Warning,
                         "Испорченный файл с клубом игроков!\r\nИгрок " + record.Name.text() +
                             " записан дважды, клуб загружен до повтора.");
            file.resize(kClubRecordSize * kClubRecords);
            std::fill(file.begin() + std::ptrdiff_t((k - 1) * kClubRecordSize), file.end(), 0);
            SaveClub(file);
            return;
        }
        m_data.ClubNames[k] = record.Name;
        m_data.ClubPasswords[k] = unmask(record);
        m_data.ClubCount = uint8_t(k);
    }
}

void DataFiles::LoadRating()
{
    static const Messages messages{
        "Не удается найти или открыть файл с рейтингом!\r\nРезультаты обнулятся.",
        "Испорченный файл с рейтингом!\r\nРезультаты обнулятся.",
        "Файл с рейтингом изменялся вручную!\r\nРезультаты обнулятся."};
    const Load load =
        loadChecked(kRatingFile, m_data.Rating, messages, RatingChecksum, &TRatingEntry::Games);
    if (load != Load::Ok) {
        resetRating(load != Load::Held);
        return;
    }
    bookInterruptedGames();
    SaveRating();
    SortRating(m_data);
}

void DataFiles::bookInterruptedGames()
{
    for (int k = 1; k <= m_data.ClubCount; ++k) {
        TRatingEntry &entry = m_data.Rating[MemberEntry(k)];
        if (entry.Status[1] == kInGame)
            BookGameScore(entry, 0);
    }
}

void DataFiles::resetRating(bool write)
{
    for (std::size_t e = 1; e <= 41; ++e) {
        Str17 name{};
        if (IsComputerEntry(int(e)))
            name = Str17::fromText(ComputerNames[e]);
        else if (e <= std::size_t(m_data.ratedCount()))
            name = m_data.ClubNames[e - kComputerCount];
        ResetRatingEntry(m_data.Rating[e], name);
    }
    for (std::size_t i = 1; i <= 40; ++i)
        m_data.RatingOrder[i] = uint8_t(i);
    if (write)
        SaveRating();
}

void DataFiles::LoadRecords()
{
    static const Messages messages{
        "Не удается найти или открыть файл с рекордами!\r\nРезультаты обнулятся.",
        "Испорченный файл с рекордами!\r\nРезультаты обнулятся.",
        "Файл с рекордами изменялся вручную!\r\nРезультаты обнулятся."};
    const Load load = loadChecked(kRecordsFile, m_data.Records, messages, RecordsChecksum,
                                  &TRecordEntry::Checksum);
    if (load == Load::Ok)
        return;
    for (std::size_t k = 1; k <= 30; ++k) {
        m_data.Records[k] = TRecordEntry{};
        m_data.Records[k].Date = 1.0;
    }
    m_data.Records[31] = TRecordEntry{};
    if (load != Load::Held)
        SaveRecords();
}

void DataFiles::LoadSlots()
{
    static const Messages messages{
        "Не удается найти или открыть файл vertoxwn.sav!\r\nРезультаты обнулятся.",
        "Испорченный файл vertoxwn.sav!\r\nРезультаты обнулятся.",
        "Файл vertoxwn.sav изменялся вручную!\r\nРезультаты обнулятся."};
    const Load load =
        loadChecked(kSlotsFile, m_data.Slots, messages, SlotsChecksum, &TSaveSlot::Checksum);
    if (load == Load::Ok)
        return;
    for (auto &slot : m_data.Slots)
        slot = TSaveSlot{};
    if (load != Load::Held)
        SaveSlots();
}

void DataFiles::LoadVerdicts()
{
    // Older game folders and a first start have no verdicts yet: nothing to warn about.
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(pathOf(kVerdictsFile), error))) {
        m_data.Verdicts = {};
        SaveVerdicts();
        return;
    }
    static const Messages messages{
        "Не удается открыть файл с оценками тренера!\r\nОценки тренера обнулятся.",
        "Испорченный файл с оценками тренера!\r\nОценки тренера обнулятся.",
        "Файл с оценками тренера изменялся вручную!\r\nОценки тренера обнулятся."};
    const Load load = loadChecked(kVerdictsFile, m_data.Verdicts, messages, VerdictsChecksum,
                                  &TVerdictEntry::Checksum);
    if (load == Load::Ok) {
        KeepClubVerdicts(m_data);
        return;
    }
    m_data.Verdicts = {};
    if (load != Load::Held)
        SaveVerdicts();
}

bool DataFiles::SaveClub(const std::vector<uint8_t> &records)
{
    return save(kClubFile, records.data(), records.size());
}

bool DataFiles::SaveRating()
{
    m_data.Rating[41].Games = RatingChecksum(m_data);
    return save(kRatingFile, m_data.Rating.begin(), sizeof m_data.Rating);
}

bool DataFiles::SaveRecords()
{
    m_data.Records[31].Checksum = RecordsChecksum(m_data);
    return save(kRecordsFile, m_data.Records.begin(), sizeof m_data.Records);
}

bool DataFiles::SaveSlots()
{
    m_data.Slots[11].Checksum = SlotsChecksum(m_data);
    return save(kSlotsFile, m_data.Slots.begin(), sizeof m_data.Slots);
}

bool DataFiles::SaveVerdicts()
{
    KeepClubVerdicts(m_data);
    m_data.Verdicts[11].Checksum = VerdictsChecksum(m_data);
    return save(kVerdictsFile, m_data.Verdicts.begin(), sizeof m_data.Verdicts);
}

void SortRating(SharedData &data)
{
    RankOrder(data.RatingOrder, data.ratedCount(),
              [&](int entry) { return data.Rating[entry].RatingPoints; });
}
