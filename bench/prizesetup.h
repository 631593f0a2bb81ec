#pragma once

#include "data/datafiles.h"
#include "data/ratingbook.h"
#include "platform/answeringboxes.h"
#include "tests/support/unwatchedgame.h"

#include <filesystem>
#include <memory>
#include <string>

// A finished championship of 30 (ten club members, twenty computers) ready for its prizes,
// in fresh data files in a folder of its own.
class PrizeBench
{
public:
    static constexpr int kSlot = 1;

    explicit PrizeBench(const char *name)
        : m_folder(std::filesystem::temp_directory_path() / name),
          m_files((std::filesystem::create_directories(m_folder), *data), m_boxes, m_folder)
    {
        m_files.LoadClub();
        m_files.LoadRating();
        m_files.LoadRecords();
        m_files.LoadSlots();
        TSaveSlot &slot = data->Slots[kSlot];
        slot.IsCham = 1;
        slot.Title = Str21::fromText("Чемпионат мира");
        for (std::size_t k = 1; k <= 30; ++k) {
            const std::string name = k <= 10 ? "Игрок " + std::to_string(k) : ComputerNames[k - 10];
            slot.Names[k] = Str17::fromText(name);
            slot.Cham.Points[k] = int32_t(3500 + 23 * k);
            slot.Cham.Balls[k] = int32_t(30 + (k * 7) % 50);
            if (k <= 10) {
                data->ClubNames[k] = slot.Names[k];
                ResetRatingEntry(data->Rating[30 + k], slot.Names[k]);
            }
        }
        data->ClubCount = 10;
        slot.Cham.RoundsPlayed = slot.Cham.RoundsTotal = 20;
        slot.Cham.Difficulty = 7;
        slot.Cham.ParticipantCount = 30;
        slot.Cham.HumanCount = 10;
        slot.Cham.ClubTogether = 1;
        m_slot = slot;
        m_records = data->Records;
    }
    ~PrizeBench() { std::filesystem::remove_all(m_folder); }

    // The championship finished and current again, with the prize rows as they were. Each
    // run leaves different bytes, so all three files are really written every time.
    void reset(int run)
    {
        data->Slots[kSlot] = m_slot;
        data->Slots[kSlot].Reserved[1] = uint8_t(run);
        data->Records = m_records;
        data->CurChamSlot = kSlot;
        m_clock.day = FixedClock::kToday + run;
    }

    DataFiles &files() { return m_files; }
    const Clock &clock() const { return m_clock; }

    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();

private:
    std::filesystem::path m_folder;
    AnsweringBoxes m_boxes;
    FixedClock m_clock;
    DataFiles m_files;
    TSaveSlot m_slot{};
    OneBased<TRecordEntry, 31> m_records{};
};
