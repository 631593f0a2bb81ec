#include "competition/seating.h"

#include "competition/slotrules.h"
#include "data/passwordasker.h"
#include "game/seats.h"

bool SeatParticipants(const SharedData &data, PasswordAsker &passwords, const TSaveSlot &slot,
                      std::span<const int> participants, GamePlayers &seats)
{
    const int humans = HumanCount(slot);
    for (std::size_t i = 0; i < participants.size(); ++i) {
        const int participant = participants[i];
        GamePlayer &seat = seats[i + 1];
        seat = GamePlayer{};
        seat.name = slot.Names[participant];
        if (participant > humans) {
            seat.level = ComputerLevel(data, seat.name);
            continue;
        }
        // A member who has left the club since plays without a password.
        const int member = ClubMemberOf(data, seat.name);
        if (member != 0 &&
            !passwords.AskPassword("Пароль для " + seat.name.text(), data.ClubPasswords[member]))
            return false;
    }
    return true;
}

bool AnyHumanSeated(const GamePlayers &seats, int count)
{
    for (int i = 1; i <= count; ++i) {
        if (seats[i].isHuman())
            return true;
    }
    return false;
}
