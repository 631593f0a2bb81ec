#include "competition/standingsrows.h"

#include "competition/slotrules.h"
#include "competition/standings.h"
#include "data/textformat.h"

namespace
{

StandingsTexts common(const TSaveSlot &slot)
{
    StandingsTexts texts;
    texts.heading = "Положение после " + std::to_string(RoundsPlayed(slot)) + " тура " + "(из " +
                    std::to_string(RoundsTotal(slot)) + ").";
    texts.difficulty = "Сложность : " + std::to_string(SlotDifficulty(slot));
    texts.finished = SlotFinished(slot);
    return texts;
}

// Place and name: computer participants in aqua, club members in teal.
StandingsRow rowStart(const TSaveSlot &slot, int row, int participant)
{
    const Ink nameInk = participant > HumanCount(slot) ? Ink::Aqua : Ink::Teal;
    return {{IntText(row, 2), Ink::White}, {slot.Names[std::size_t(participant)].text(), nameInk}};
}

StandingsCell diffCell(int32_t diff)
{
    return {IntText(diff, 4), diff < 0 ? Ink::Red : Ink::Lime};
}

} // namespace

StandingsTexts TournamentStandings(SharedData &data, const TSaveSlot &slot)
{
    SortTurOrder(data, slot);
    StandingsTexts texts = common(slot);
    const TTournamentFields &t = slot.Tur;
    for (int r = 1; r <= t.ParticipantCount; ++r) {
        const std::size_t p = data.TurOrder[std::size_t(r)];
        StandingsRow row = rowStart(slot, r, int(p));
        row.push_back({IntText(t.TurTotal[p], 4), Ink::Yellow});
        row.push_back(diffCell(t.TurDiff[p]));
        texts.rows.push_back(std::move(row));
    }
    return texts;
}

StandingsTexts ChampionshipStandings(SharedData &data, const TSaveSlot &slot)
{
    SortChamOrder(data, slot);
    StandingsTexts texts = common(slot);
    const TChampionshipFields &c = slot.Cham;
    for (int r = 1; r <= c.ParticipantCount; ++r) {
        const std::size_t p = data.ChamOrder[std::size_t(r)];
        StandingsRow row = rowStart(slot, r, int(p));
        row.push_back({IntText(c.Balls[p], 4), Ink::Yellow});
        row.push_back({IntText(c.Points[p], 4), Ink::Olive});
        row.push_back(diffCell(c.ChamDiff[p]));
        texts.rows.push_back(std::move(row));
    }
    return texts;
}
