#pragma once

#include "data/onebased.h"
#include "data/shortstring.h"

#include <cstddef>
#include <cstdint>

// The coach's verdicts on club members' real games, as kept in vertoxwn.stt: the records are
// the file records byte for byte, little-endian, every padding byte named.

constexpr uint8_t kKeptChoice = 1;
constexpr uint8_t kWrittenChoice = 2;

// A decision, the member's or best play's in its place.
struct TJudgedChoice {
    uint8_t Kind;              // kKeptChoice or kWrittenChoice
    uint8_t Combination;       // written, or all five dice kept to stop: 1..16; otherwise 0
    OneBased<uint8_t, 5> Dice; // the kept hand, or the hand written from; sorted, 0 past its end
    uint8_t Padding[1];
};

struct TJudgedMove {
    uint8_t Turn;  // 1..16; 0: no such move
    uint8_t Throw; // throws made before the decision, 1..3
    uint8_t Padding[6];
    double Cost; // expected points the decision gave away
    TJudgedChoice Chosen;
    TJudgedChoice Best;
};

struct TJudgedGame {
    double Date; // as the record tables keep dates
    int32_t Total;
    uint8_t Padding[4];
    double BestTotal;                   // expected total of best play at the start of the game
    double GivenAway;                   // the costs of all the game's decisions added up
    OneBased<TJudgedMove, 3> Costliest; // costliest first
};

struct TVerdictEntry {
    Str17 Name;    // a club member's name; empty: unused
    uint8_t Count; // judged games kept, 0..50
    uint8_t Padding[1];
    int32_t Checksum;                // entry 11 only
    OneBased<TJudgedGame, 50> Games; // oldest first
};

static_assert(sizeof(TJudgedChoice) == 8);
static_assert(sizeof(TJudgedMove) == 32 && offsetof(TJudgedMove, Cost) == 8);
static_assert(offsetof(TJudgedMove, Chosen) == 16 && offsetof(TJudgedMove, Best) == 24);
static_assert(sizeof(TJudgedGame) == 128 && offsetof(TJudgedGame, Total) == 8);
static_assert(offsetof(TJudgedGame, BestTotal) == 16 && offsetof(TJudgedGame, Costliest) == 32);
static_assert(sizeof(TVerdictEntry) == 6424 && offsetof(TVerdictEntry, Checksum) == 20);
static_assert(offsetof(TVerdictEntry, Games) == 24);
