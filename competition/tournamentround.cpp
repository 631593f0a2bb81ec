#include "competition/tournamentround.h"

#include "competition/roundgame.h"
#include "competition/roundservices.h"
#include "competition/seating.h"
#include "competition/slotrules.h"
#include "data/datafiles.h"
#include "data/storedmath.h"
#include "game/dicegame.h"
#include "platform/messageboxes.h"

#include <array>
#include <numeric>
#include <span>

TournamentOutcome PlayTournamentRound(RoundServices &s)
{
    TournamentOutcome outcome;
    SharedData &data = s.data;
    TSaveSlot *current = CurrentSlot(data, CompetitionKind::Tournament);
    if (data.gameRunning || !current || SlotFinished(*current))
        return outcome;
    TSaveSlot &slot = *current;
    TTournamentFields &tur = slot.Tur;
    const int count = tur.ParticipantCount;

    // Participant i sits at seat i, so the club members come first, in the order chosen.
    std::array<int, kMaxTournamentPlayers> participants{};
    std::iota(participants.begin(), participants.end(), 1);
    GamePlayers seats{};
    if (!SeatParticipants(data, s.passwords, slot, std::span(participants).first(count), seats))
        return outcome;

    data.CurDifficulty = tur.Difficulty;
    const std::string caption = "Турнир(" + std::to_string(tur.RoundsPlayed + 1) + " тур)";
    const DiceGame::Result result = PlayRoundGame(s, seats, count, caption);
    outcome.gamePlayed = true;
    outcome.recordsChanged = result.recordsChanged;
    if (result.quit)
        return outcome;

    tur.RoundsPlayed += 1;
    const OneBased<int64_t, 10> diffs = DiffsFromAverage(s.game.players(), count);
    for (int i = 1; i <= count; ++i) {
        const int64_t total = s.game.players()[i].sheet[kTotalCell];
        tur.TurTotal[i] = Wrap32(int64_t(tur.TurTotal[i]) + total);
        tur.TurDiff[i] = Wrap32(int64_t(tur.TurDiff[i]) + diffs[i]);
    }
    s.files.SaveSlots();
    outcome.counted = true;
    JudgeRoundGames(s);
    if (result.recordsChanged)
        s.boxes.show(MessageBoxes::Kind::Information, kRecordsChangedText);
    return outcome;
}
