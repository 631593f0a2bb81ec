#pragma once

#include "data/onebased.h"
#include "data/shortstring.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// The records are the file records byte for byte: every padding byte is a named field, so
// nothing unnamed is written and the layouts hold on every platform.
static_assert(std::endian::native == std::endian::little, "the data files are little-endian");

struct TRatingEntry {
    Str17 Name;
    uint8_t Padding1[2];
    int32_t Games; // in entry 41: the file checksum
    int32_t TotalScore;
    OneBased<int32_t, 50> Last50;
    int32_t PrizePoints;
    OneBased<uint8_t, 10> Status; // Status[1] is kInGame while a game of this player runs
    uint8_t Padding2[2];
    int32_t RatingPoints;
};

constexpr uint8_t kInGame = 111;

// Fields of a prize row (entries 21..30), from offset 52 on.
struct TPrizeFields {
    uint8_t Difficulty;
    uint8_t Rounds;
    uint8_t Place;
    uint8_t Participants;
    int32_t AvgBalls;
    int32_t AvgScore;
    uint8_t IsCham;
    uint8_t Padding[51];
};

#pragma pack(push, 4)
struct TRecordEntry {
    Str17 Name;
    uint8_t Padding1[2];
    int32_t Score;
    double Date;
    uint8_t Difficulty; // game rows: the computer's difficulty, 0 for a human
    uint8_t Padding2[15];
    int32_t Checksum; // entry 31 only
    union {
        OneBased<int32_t, 16> ComboScores; // game rows 1..20
        TPrizeFields Prize;                // prize rows 21..30
    };
};
#pragma pack(pop)

struct TTournamentFields {
    OneBased<int32_t, 10> TurTotal;
    OneBased<int32_t, 10> TurDiff;
    uint8_t RoundsPlayed;
    uint8_t RoundsTotal;
    uint8_t Difficulty;
    uint8_t ParticipantCount;
    uint8_t HumanCount;
};

struct TChampionshipFields {
    OneBased<int32_t, 30> Balls;
    OneBased<int32_t, 30> Points;
    OneBased<int32_t, 30> ChamDiff;
    uint8_t RoundsPlayed;
    uint8_t RoundsTotal;
    uint8_t Difficulty;
    uint8_t ParticipantCount;
    uint8_t HumanCount;
    uint8_t ClubTogether;
    uint8_t Padding[2];
};

struct TSaveSlot {
    uint8_t IsCham;
    Str21 Title; // length 0: the slot is empty
    OneBased<uint8_t, 30> Reserved;
    uint8_t Padding[3];
    int32_t Checksum; // slot 11 only
    // A tournament keeps its counters where a championship keeps names 11..30.
    union {
        struct {
            OneBased<Str17, 30> Names;
            TChampionshipFields Cham;
        };
        struct {
            Str17 TournamentNames[10];
            TTournamentFields Tur;
        };
    };
};

struct TChamGroup {
    uint8_t Count;
    OneBased<uint8_t, 10> Member;
    OneBased<uint8_t, 10> Balls;
    OneBased<int32_t, 10> Points;
    OneBased<int32_t, 10> Diff;
};

static_assert(sizeof(TRatingEntry) == 248);
static_assert(offsetof(TRatingEntry, Games) == 20 && offsetof(TRatingEntry, TotalScore) == 24);
static_assert(offsetof(TRatingEntry, Last50) == 28 && offsetof(TRatingEntry, PrizePoints) == 228);
static_assert(offsetof(TRatingEntry, Status) == 232 && offsetof(TRatingEntry, RatingPoints) == 244);
static_assert(std::has_unique_object_representations_v<TRatingEntry>);

static_assert(sizeof(TRecordEntry) == 116);
static_assert(offsetof(TRecordEntry, Score) == 20 && offsetof(TRecordEntry, Date) == 24);
static_assert(offsetof(TRecordEntry, Difficulty) == 32 && offsetof(TRecordEntry, Checksum) == 48);
static_assert(offsetof(TRecordEntry, ComboScores) == 52 && offsetof(TRecordEntry, Prize) == 52);
static_assert(offsetof(TPrizeFields, AvgBalls) == 4 && offsetof(TPrizeFields, AvgScore) == 8);
static_assert(offsetof(TPrizeFields, IsCham) == 12 && sizeof(TPrizeFields) == 64);

static_assert(sizeof(TSaveSlot) == 968);
static_assert(offsetof(TSaveSlot, Title) == 1 && offsetof(TSaveSlot, Reserved) == 23);
static_assert(offsetof(TSaveSlot, Checksum) == 56 && offsetof(TSaveSlot, Names) == 60);
static_assert(offsetof(TSaveSlot, Tur) + offsetof(TTournamentFields, TurTotal) == 240);
static_assert(offsetof(TSaveSlot, Tur) + offsetof(TTournamentFields, TurDiff) == 280);
static_assert(offsetof(TSaveSlot, Tur) + offsetof(TTournamentFields, RoundsPlayed) == 320);
static_assert(offsetof(TSaveSlot, Tur) + offsetof(TTournamentFields, HumanCount) == 324);
static_assert(offsetof(TSaveSlot, Cham) + offsetof(TChampionshipFields, Balls) == 600);
static_assert(offsetof(TSaveSlot, Cham) + offsetof(TChampionshipFields, Points) == 720);
static_assert(offsetof(TSaveSlot, Cham) + offsetof(TChampionshipFields, ChamDiff) == 840);
static_assert(offsetof(TSaveSlot, Cham) + offsetof(TChampionshipFields, RoundsPlayed) == 960);
static_assert(offsetof(TSaveSlot, Cham) + offsetof(TChampionshipFields, ClubTogether) == 965);
