#pragma once

#include "competition/competitionkind.h"
#include "data/shareddata.h"

// What the dialogs can put into a slot. A slot outside these rules (a crafted or foreign file)
// is listed but never loaded, played or drawn; it can be overwritten.
bool SlotOccupied(const TSaveSlot &slot);
bool SlotPlayable(const TSaveSlot &slot);
bool SlotFinished(const TSaveSlot &slot);

// The current competition of a kind: its slot while one is current, playable and of that kind,
// otherwise nullptr.
TSaveSlot *CurrentSlot(SharedData &data, CompetitionKind kind);
const TSaveSlot *CurrentSlot(const SharedData &data, CompetitionKind kind);

// The counters of a slot, whichever kind it holds.
uint8_t RoundsPlayed(const TSaveSlot &slot);
uint8_t RoundsTotal(const TSaveSlot &slot);
uint8_t SlotDifficulty(const TSaveSlot &slot);
uint8_t ParticipantCount(const TSaveSlot &slot);
uint8_t HumanCount(const TSaveSlot &slot);

constexpr int kMaxTournamentPlayers = 10;
constexpr int kMinTournamentPlayers = 2;
constexpr int kMinChampionshipPlayers = 12;
constexpr int kMaxChampionshipPlayers = 30;
// A championship is played in three equal groups: its player counts go in steps of three.
constexpr int kChampionshipGroups = 3;
constexpr int kChampionshipPlayersStep = kChampionshipGroups;

// A competition lasts 10 to 30 rounds in steps of five; its computers play at difficulty 1..10,
// as do a practice game's.
constexpr int kMinRounds = 10;
constexpr int kMaxRounds = 30;
constexpr int kRoundsStep = 5;
constexpr int kMinDifficulty = 1;
constexpr int kMaxDifficulty = 10;

// The values the new-competition dialog offers first.
constexpr int kDefaultTournamentPlayers = 7;
constexpr int kDefaultChampionshipPlayers = 21;
constexpr int kDefaultDifficulty = 6;
constexpr int kDefaultRounds = 20;
