#include "competition/slotrules.h"

#include <utility>

namespace
{

bool validRounds(int played, int total)
{
    return total >= kMinRounds && total <= kMaxRounds && total % kRoundsStep == 0 &&
           played <= total;
}

bool validCommon(int played, int total, int difficulty, int humans)
{
    return validRounds(played, total) && difficulty >= kMinDifficulty &&
           difficulty <= kMaxDifficulty && humans <= 10;
}

} // namespace

bool SlotOccupied(const TSaveSlot &slot)
{
    return !slot.Title.empty();
}

bool SlotPlayable(const TSaveSlot &slot)
{
    // The dialog takes at most twenty characters for a title.
    if (!SlotOccupied(slot) || slot.Title.Length > kMaxTitleChars)
        return false;
    if (slot.IsCham == 0) {
        const TTournamentFields &t = slot.Tur;
        return t.ParticipantCount >= kMinTournamentPlayers &&
               t.ParticipantCount <= kMaxTournamentPlayers &&
               validCommon(t.RoundsPlayed, t.RoundsTotal, t.Difficulty, t.HumanCount);
    }
    if (slot.IsCham == 1) {
        const TChampionshipFields &c = slot.Cham;
        return c.ParticipantCount >= kMinChampionshipPlayers &&
               c.ParticipantCount <= kMaxChampionshipPlayers &&
               c.ParticipantCount % kChampionshipPlayersStep == 0 && c.ClubTogether <= 1 &&
               validCommon(c.RoundsPlayed, c.RoundsTotal, c.Difficulty, c.HumanCount);
    }
    return false;
}

bool SlotFinished(const TSaveSlot &slot)
{
    return RoundsPlayed(slot) == RoundsTotal(slot);
}

const TSaveSlot *CurrentSlot(const SharedData &data, CompetitionKind kind)
{
    const int number = kind == CompetitionKind::Championship ? data.CurChamSlot : data.CurTurSlot;
    if (number < 1 || number > 10)
        return nullptr;
    const TSaveSlot &slot = data.Slots[std::size_t(number)];
    return SlotPlayable(slot) && KindOf(slot) == kind ? &slot : nullptr;
}

TSaveSlot *CurrentSlot(SharedData &data, CompetitionKind kind)
{
    return const_cast<TSaveSlot *>(CurrentSlot(std::as_const(data), kind));
}

uint8_t RoundsPlayed(const TSaveSlot &slot)
{
    return slot.IsCham ? slot.Cham.RoundsPlayed : slot.Tur.RoundsPlayed;
}

uint8_t RoundsTotal(const TSaveSlot &slot)
{
    return slot.IsCham ? slot.Cham.RoundsTotal : slot.Tur.RoundsTotal;
}

uint8_t SlotDifficulty(const TSaveSlot &slot)
{
    return slot.IsCham ? slot.Cham.Difficulty : slot.Tur.Difficulty;
}

uint8_t ParticipantCount(const TSaveSlot &slot)
{
    return slot.IsCham ? slot.Cham.ParticipantCount : slot.Tur.ParticipantCount;
}

uint8_t HumanCount(const TSaveSlot &slot)
{
    return slot.IsCham ? slot.Cham.HumanCount : slot.Tur.HumanCount;
}
