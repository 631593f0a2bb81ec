#pragma once

#include "game/gamebooking.h"

#include <span>

class PasswordAsker;

// Seats participants[i - 1] of slot at seat i: a computer participant at its rating level, a
// club member as a human after his password. Returns false as soon as a password is refused;
// the seats are then of no use.
bool SeatParticipants(const SharedData &data, PasswordAsker &passwords, const TSaveSlot &slot,
                      std::span<const int> participants, GamePlayers &seats);

// Whether any seat of the first count is a human's.
bool AnyHumanSeated(const GamePlayers &seats, int count);
