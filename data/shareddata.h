#pragma once

#include "data/ratinglayout.h"
#include "data/records.h"
#include "data/verdicts.h"

// The records every window works on in place, from start-up to exit.
struct SharedData {
    OneBased<TRatingEntry, 41> Rating{};    // 1..30 computers, 31..40 club, 41 checksum
    OneBased<TRecordEntry, 31> Records{};   // 1..20 games, 21..30 prizes, 31 checksum
    OneBased<TSaveSlot, 11> Slots{};        // 1..10 slots, 11 checksum
    OneBased<TVerdictEntry, 11> Verdicts{}; // 1..10 members' games, by name; 11 checksum
    OneBased<Str17, 10> ClubNames{};
    OneBased<Str17, 10> ClubPasswords{}; // plain in memory, masked on disk
    uint8_t ClubCount = 0;
    OneBased<uint8_t, 40> RatingOrder{}; // rating entries, highest rating points first

    uint8_t CurTurSlot = 0;
    uint8_t CurChamSlot = 0;
    uint8_t CurDifficulty = 0;
    OneBased<uint8_t, 10> TurOrder{};
    OneBased<uint8_t, 30> ChamOrder{};
    OneBased<uint8_t, 10> GroupOrder{};
    OneBased<TChamGroup, 3> Groups{};

    bool gameRunning = false;
    bool SoundOn = false;

    // Rating entries that are in use: the computers and the club members.
    int ratedCount() const { return MemberEntry(ClubCount); }
};

// The club member (1..ClubCount) with exactly this name, 0 when none.
inline int ClubMemberOf(const SharedData &data, const Str17 &name)
{
    for (int m = 1; m <= data.ClubCount; ++m) {
        if (data.ClubNames[m] == name)
            return m;
    }
    return 0;
}

// The thirty computer players; entry k is also rating entry k after a reset.
extern const OneBased<const char *, kComputerCount> ComputerNames;
