#include "competition/newcompetition.h"

#include "game/seats.h"

#include <cassert>

namespace
{

template <typename Fields> void fillCounters(Fields &fields, const NewCompetitionSettings &settings)
{
    fields.RoundsPlayed = 0;
    fields.RoundsTotal = uint8_t(settings.rounds);
    fields.Difficulty = uint8_t(settings.difficulty);
    fields.ParticipantCount = uint8_t(settings.participants);
    fields.HumanCount = uint8_t(settings.chosen.size());
}

} // namespace

void CreateCompetition(SharedData &data, RandomSource &random, int slot,
                       const NewCompetitionSettings &settings)
{
    assert(slot >= 1 && slot <= 10 && settings.chosen.size() <= 10);
    TSaveSlot &s = data.Slots[std::size_t(slot)];
    // Nothing of the old competition stays behind, so the file holds only what is meaningful.
    s = TSaveSlot{};
    const bool cham = settings.kind == CompetitionKind::Championship;
    s.IsCham = cham ? 1 : 0;
    s.Title = settings.title;
    for (uint8_t &flag : s.Reserved)
        flag = 1;
    s.Checksum = 0;
    if (cham) {
        fillCounters(s.Cham, settings);
        s.Cham.ClubTogether = 1;
    } else {
        fillCounters(s.Tur, settings);
    }
    const int humans = int(settings.chosen.size());
    for (int i = 1; i <= humans; ++i)
        s.Names[std::size_t(i)] = settings.chosen[std::size_t(i - 1)];
    // Participants after the club members are computer players, each drawn at most once.
    const std::vector<Str17> computers = DrawComputers(random, settings.participants - humans);
    for (std::size_t i = 0; i < computers.size(); ++i)
        s.Names[std::size_t(humans) + 1 + i] = computers[i];
    MakeCurrent(data, slot);
}

CompetitionKind MakeCurrent(SharedData &data, int slot)
{
    const CompetitionKind kind = KindOf(data.Slots[std::size_t(slot)]);
    uint8_t &own = kind == CompetitionKind::Championship ? data.CurChamSlot : data.CurTurSlot;
    uint8_t &other = kind == CompetitionKind::Championship ? data.CurTurSlot : data.CurChamSlot;
    own = uint8_t(slot);
    if (other == slot)
        other = 0;
    return kind;
}
