#include "results/prizes.h"

#include "competition/ballstable.h"
#include "competition/slotrules.h"
#include "competition/standings.h"
#include "data/datafiles.h"
#include "data/storedmath.h"
#include "game/gamebooking.h"
#include "game/recordrule.h"
#include "platform/clock.h"

namespace
{

constexpr double kResultFactor = 0.52631578947368421; // 10/19

double basePrize(const TSaveSlot &slot, int place)
{
    const int n = ParticipantCount(slot);
    if (slot.IsCham)
        return n / (place + 0.5 * ((n - 12) / 3) + 3.5) * 20 - 30;
    return n / (place + 0.35 * (n - 2)) * 20 - 30;
}

// The entry a participant's games were booked to: the same lookup as the game's, so a club
// member named like a country never gets the country's prize points.
int ratingEntryOf(const SharedData &data, const TSaveSlot &slot, int participant)
{
    GamePlayer seat;
    seat.name = slot.Names[std::size_t(participant)];
    seat.level = participant <= HumanCount(slot) ? 0 : 1;
    return FindRatingEntry(data, seat);
}

void addPrizePoints(TRatingEntry &entry, double prize)
{
    const int64_t points = RoundToInt32(prize);
    entry.PrizePoints = Wrap32(entry.PrizePoints + points);
    entry.RatingPoints = Wrap32(entry.RatingPoints + points);
}

TPrizeFields prizeFields(const TSaveSlot &slot, int participant, int place)
{
    const double rounds = RoundsTotal(slot);
    TPrizeFields fields{};
    fields.Difficulty = SlotDifficulty(slot);
    fields.Rounds = RoundsTotal(slot);
    fields.Place = uint8_t(place);
    fields.Participants = ParticipantCount(slot);
    if (slot.IsCham) {
        fields.AvgScore = RoundToInt32(slot.Cham.Points[std::size_t(participant)] / rounds * 100);
        fields.AvgBalls = RoundToInt32(slot.Cham.Balls[std::size_t(participant)] / rounds * 100);
        fields.IsCham = 1;
    } else {
        fields.AvgScore = RoundToInt32(slot.Tur.TurTotal[std::size_t(participant)] / rounds * 100);
    }
    return fields;
}

} // namespace

double PrizeFor(const TSaveSlot &slot, int participant, int place)
{
    const int difficulty = SlotDifficulty(slot);
    const int rounds = RoundsTotal(slot);
    const bool member = participant <= HumanCount(slot);
    const auto k = std::size_t(participant);

    double prize = basePrize(slot, place);
    if (member)
        prize += 7 * (difficulty - 5);
    prize += 4 * ((rounds - 20) / 5);
    const double points = slot.IsCham ? slot.Cham.Points[k] : slot.Tur.TurTotal[k];
    const double average = points / rounds;
    // Computers are handicapped by the difficulty as their game scores are.
    const double handicap = member ? 0 : 10 * (difficulty - 6);
    prize += (average - 185 - handicap) * kResultFactor;
    if (slot.IsCham) {
        const double ballsAverage = GroupBallsAverage(ParticipantCount(slot) / kChampionshipGroups);
        prize += 5 * (slot.Cham.Balls[k] / double(rounds) - ballsAverage) / ballsAverage;
    }
    return prize;
}

bool GivePrizes(SharedData &data, DataFiles &files, const Clock &clock, AwardView &view,
                bool championship)
{
    TSaveSlot *finished = CurrentSlot(data, championship ? CompetitionKind::Championship
                                                         : CompetitionKind::Tournament);
    if (!finished || !SlotFinished(*finished))
        return false;
    TSaveSlot &slot = *finished;

    if (championship)
        SortChamOrder(data, slot);
    else
        SortTurOrder(data, slot);

    const double today = clock.today();
    bool recordsChanged = false;
    for (int place = ParticipantCount(slot); place >= 1; --place) {
        const int k =
            championship ? data.ChamOrder[std::size_t(place)] : data.TurOrder[std::size_t(place)];
        const Str17 &name = slot.Names[std::size_t(k)];
        const double prize = PrizeFor(slot, k, place);
        view.showAward(name.text(), place, prize);

        const int entry = ratingEntryOf(data, slot, k);
        if (prize > 0 && entry != 0)
            addPrizePoints(data.Rating[std::size_t(entry)], prize);
        if (k <= HumanCount(slot) && EnterPrizeRecord(data.Records, name, RoundToInt32(prize * 100),
                                                      today, prizeFields(slot, k, place)) != 0)
            recordsChanged = true;
    }

    slot.Title.Length = 0;
    // Not current any more, so no redraw offers these prizes again.
    (championship ? data.CurChamSlot : data.CurTurSlot) = 0;
    files.SaveSlots();
    files.SaveRating();
    if (recordsChanged)
        files.SaveRecords();
    return recordsChanged;
}
