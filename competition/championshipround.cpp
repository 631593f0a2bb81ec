#include "competition/championshipround.h"

#include "competition/ballstable.h"
#include "competition/groups.h"
#include "competition/roundgame.h"
#include "competition/roundservices.h"
#include "competition/seating.h"
#include "competition/slotrules.h"
#include "data/datafiles.h"
#include "data/storedmath.h"
#include "data/textformat.h"
#include "game/dicegame.h"
#include "platform/messageboxes.h"

#include <array>
#include <cstring>

ChampionshipRound::ChampionshipRound(RoundServices &services, int slot)
    : m_services(services), m_slot(slot), m_places(ChamPlacesOf(services.data, this->slot()))
{
}

TSaveSlot &ChampionshipRound::slot() const
{
    return m_services.data.Slots[m_slot];
}

void ChampionshipRound::next()
{
    if (!nextEnabled())
        return;
    m_enabled = false;
    if (m_played >= 3) {
        m_over = true;
        return;
    }
    playGroup(m_played + 1);
}

void ChampionshipRound::playGroup(int group)
{
    SharedData &data = m_services.data;
    DiceGame &game = m_services.game;
    const TSaveSlot &s = slot();
    TChamGroup &g = data.Groups[group];
    const int n = g.Count;

    // The worst championship place sits at seat 1, the best at seat n.
    SortGroupOrder(data, m_places, group, GroupSort::ByPlace);
    std::array<int, 10> places{};
    std::array<int, 10> participants{};
    for (int seat = 1; seat <= n; ++seat) {
        places[seat - 1] = data.GroupOrder[n - seat + 1];
        participants[seat - 1] = g.Member[places[seat - 1]];
    }
    GamePlayers seats{};
    if (!SeatParticipants(data, m_services.passwords, s, std::span(participants).first(n), seats))
        return; // "Дальше" stays disabled: only closing the window leaves the round

    data.CurDifficulty = s.Cham.Difficulty;
    const std::string caption = "Чемпионат(" + std::to_string(s.Cham.RoundsPlayed + 1) + " тур, " +
                                std::to_string(group) + " группа)";
    const DiceGame::Result result = PlayRoundGame(m_services, seats, n, caption);
    m_enabled = true;
    if (result.quit)
        return; // the same group plays again with the next "Дальше"

    const OneBased<int64_t, 10> diffs = DiffsFromAverage(game.players(), n);
    for (int seat = 1; seat <= n; ++seat) {
        g.Points[places[seat - 1]] = game.players()[seat].sheet[kTotalCell];
        g.Diff[places[seat - 1]] = Wrap32(diffs[seat]);
    }
    SortGroupOrder(data, m_places, group, GroupSort::ByGame);
    for (int place = 1; place <= n; ++place)
        g.Balls[data.GroupOrder[place]] = uint8_t(GroupBalls(n, place));
    if (result.recordsChanged)
        m_services.boxes.show(MessageBoxes::Kind::Information, kRecordsChangedText);
    m_played = group;
}

bool ChampionshipRound::requestClose()
{
    if (m_services.data.gameRunning)
        return false;
    if (over())
        return true;
    if (!m_services.boxes.askYesNo("Результаты текущего тура будут утеряны.\r\nВыйти?"))
        return false;
    m_over = true;
    m_brokenOff = true;
    return true;
}

std::string ChampionshipRound::buttonCaption() const
{
    if (m_played > 2)
        return "Конец тура";
    return "Дальше (играет " + std::to_string(m_played + 1) + " группа)";
}

bool ChampionshipRound::nextEnabled() const
{
    return m_enabled && !m_over && !m_services.data.gameRunning;
}

std::vector<ChampionshipRound::Row> ChampionshipRound::rows(int group)
{
    SharedData &data = m_services.data;
    const TSaveSlot &s = slot();
    const TChamGroup &g = data.Groups[group];
    const bool played = group <= m_played;
    SortGroupOrder(data, m_places, group, played ? GroupSort::ByGame : GroupSort::ByPlace);
    std::vector<Row> rows;
    for (int r = 1; r <= g.Count; ++r) {
        const int position = data.GroupOrder[r];
        const int participant = g.Member[position];
        Row row;
        row.name = s.Names[participant].text();
        row.clubMember = participant <= s.Cham.HumanCount;
        row.place = IntText(m_places[participant], 2) + " место";
        row.played = played;
        if (played) {
            row.balls = IntText(g.Balls[position], 2);
            row.score = IntText(g.Points[position], 3);
            row.diff = IntText(g.Diff[position], 4);
            row.diffNegative = g.Diff[position] < 0;
        }
        rows.push_back(row);
    }
    return rows;
}

ChampionshipOutcome PlayChampionshipRound(RoundServices &s, RoundWindow &window, bool clubTogether)
{
    ChampionshipOutcome outcome;
    SharedData &data = s.data;
    TSaveSlot *current = CurrentSlot(data, CompetitionKind::Championship);
    if (data.gameRunning || window.busy() || !current || SlotFinished(*current))
        return outcome;
    const int number = data.CurChamSlot;
    TSaveSlot &slot = *current;
    TChampionshipFields &cham = slot.Cham;

    DistributeGroups(data, s.random, slot, clubTogether);
    ChampionshipRound round(s, number);
    const std::string caption =
        "Чемпионат, " + std::to_string(cham.RoundsPlayed + 1) + " тур - распределение по группам";
    outcome.played = true;
    // The slot as it was: a round whose slot was replaced meanwhile adds nothing to it.
    const TSaveSlot before = slot;
    const bool brokenOff = window.playRound(round, caption);
    // The groups' games are booked already: they are judged even when the round does not count.
    if (brokenOff || std::memcmp(&before, &slot, sizeof slot) != 0) {
        JudgeRoundGames(s);
        return outcome;
    }

    cham.RoundsPlayed += 1;
    for (const TChamGroup &group : data.Groups) {
        for (int j = 1; j <= group.Count; ++j) {
            const int m = group.Member[j];
            cham.Balls[m] = Wrap32(int64_t(cham.Balls[m]) + group.Balls[j]);
            cham.Points[m] = Wrap32(int64_t(cham.Points[m]) + group.Points[j]);
            cham.ChamDiff[m] = Wrap32(int64_t(cham.ChamDiff[m]) + group.Diff[j]);
        }
    }
    cham.ClubTogether = clubTogether ? 1 : 0;
    s.files.SaveSlots();
    outcome.counted = true;
    JudgeRoundGames(s);
    return outcome;
}
