// Plays seeded competitions into a folder's files, or loads a folder's files and prints the
// boxes shown, so the Linux and Windows builds can be compared byte for byte.
//   seededfiles play <folder>   a tournament with three club members, judged by the coach (its
//                               table solved into the folder's cache), then a computer-only
//                               championship of 30 over 30 rounds, each with its prize giving;
//                               and the sound settings changed, a Cyrillic file name among them
//   seededfiles load <folder>   the start-up loading, one line per box shown
#include "app/settings.h"
#include "coach/coach.h"
#include "coach/gamejudge.h"
#include "competition/championshipround.h"
#include "competition/roundservices.h"
#include "competition/tournamentround.h"
#include "data/clubbook.h"
#include "data/datafiles.h"
#include "data/passwordasker.h"
#include "data/verdictbook.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "platform/messageboxes.h"
#include "results/prizes.h"

#include "tests/support/gamesupport.h"
#include "tests/support/pressingwindow.h"
#include "tests/support/scriptedrandom.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace
{

// Records every box and answers yes, as a player who accepts every offer.
class YesBoxes : public MessageBoxes
{
public:
    void show(Kind kind, const std::string &text) override
    {
        shown.push_back(std::to_string(int(kind)) + " " + text);
    }
    bool askYesNo(const std::string &text) override
    {
        shown.push_back("? " + text);
        return true;
    }
    std::vector<std::string> shown;
};

class RightPasswords : public PasswordAsker
{
public:
    bool AskPassword(const std::string &, const Str17 &) override { return true; }
};

// The club members write, after one throw each turn, the combination worth most; a computer's
// turn is passed with "Дальше".
class GreedyMembers : public HiddenView
{
public:
    explicit GreedyMembers(const bool &running) : m_running(running) {}
    void runUntilOver() override
    {
        for (int step = 0; m_running && step < 10000; ++step) {
            const GameScreen &screen = game->screen();
            const bool human = game->players()[game->currentPlayer()].isHuman();
            int best = 0;
            for (int c = 1; c <= kCombinations && human; ++c) {
                if (screen.writeEnabled[c] &&
                    (best == 0 || game->CombCheck(c) > game->CombCheck(best)))
                    best = c;
            }
            best == 0 ? game->go() : game->write(best);
        }
    }
    DiceGame *game = nullptr;

private:
    const bool &m_running;
};

void newCompetition(SharedData &data, bool cham, int participants, int humans, int rounds)
{
    TSaveSlot &slot = data.Slots[cham ? 2 : 1];
    slot = TSaveSlot{};
    slot.IsCham = cham ? 1 : 0;
    slot.Title = Str21::fromText(cham ? "Чемпионат мира" : "Кубок клуба");
    for (int p = 1; p <= participants; ++p)
        slot.Names[p] =
            p <= humans ? data.ClubNames[p] : Str17::fromText(ComputerNames[p - humans]);
    const auto fill = [&](auto &fields) {
        fields.RoundsTotal = uint8_t(rounds);
        fields.Difficulty = 5;
        fields.ParticipantCount = uint8_t(participants);
        fields.HumanCount = uint8_t(humans);
    };
    cham ? fill(slot.Cham) : fill(slot.Tur);
    (cham ? data.CurChamSlot : data.CurTurSlot) = cham ? 2 : 1;
}

int play(const std::filesystem::path &folder)
{
    auto data = std::make_unique<SharedData>();
    YesBoxes boxes;
    DataFiles files(*data, boxes, folder);
    files.LoadAll();
    SeededRandom random(2026);
    FixedClock clock;
    RightPasswords passwords;
    HiddenView hidden;
    DiceGame game({*data, files, random, boxes, clock}, hidden);
    GreedyMembers members(data->gameRunning);
    DiceGame shown({*data, files, random, boxes, clock}, members);
    members.game = &shown;
    NoAwards awards;

    ClubBook club(*data, files, random, boxes);
    for (const char *name : {"Иван", "Мария", "Пётр"})
        if (!club.AddMember(Str17::fromText(name), Str17::fromText("пароль")))
            return std::fprintf(stderr, "%s did not join the club\n", name), 1;

    // As the game does: the cache when it holds the table, else solved and cached.
    CoachTable table;
    Coach coach(table);
    const auto cache = files.pathOf(CoachTable::kCacheFile);
    GameJudge judge({*data, files, clock, [&]() -> SolverInterface * {
                         const bool ready =
                             table.load(cache) || (table.compute() && table.save(cache));
                         return ready ? &coach : nullptr;
                     }});
    RoundServices withMembers{*data, files, random, boxes, passwords, shown, &judge};
    newCompetition(*data, false, 6, 3, 10);
    for (int round = 0; round < 10; ++round)
        if (!PlayTournamentRound(withMembers).counted)
            return std::fprintf(stderr, "tournament round %d not counted\n", round + 1), 1;
    GivePrizes(*data, files, clock, awards, false);
    for (const char *name : {"Иван", "Мария", "Пётр"}) {
        const TVerdictEntry *verdicts = VerdictsOf(*data, Str17::fromText(name));
        if (!verdicts || verdicts->Count != 10)
            return std::fprintf(stderr, "%s has not 10 verdicts\n", name), 1;
    }

    RoundServices computers{*data, files, random, boxes, passwords, game};
    PressingWindow window;
    newCompetition(*data, true, 30, 0, 30);
    for (int round = 0; round < 30; ++round)
        if (!PlayChampionshipRound(computers, window, false).counted)
            return std::fprintf(stderr, "championship round %d not counted\n", round + 1), 1;
    GivePrizes(*data, files, clock, awards, true);

    SoundNames sounds;
    bool soundOn = false;
    readSoundSettings(files.pathOf(kSettingsFile), soundOn, sounds);
    sounds[3] = "кубики.wav";
    if (!writeSoundSettings(files.pathOf(kSettingsFile), true, sounds))
        return std::fprintf(stderr, "the settings were not written\n"), 1;
    return 0;
}

int load(const std::filesystem::path &folder)
{
    auto data = std::make_unique<SharedData>();
    YesBoxes boxes;
    DataFiles files(*data, boxes, folder);
    files.LoadAll();
    for (std::string line : boxes.shown) {
        for (std::size_t at = 0; (at = line.find_first_of("\r\n", at)) != std::string::npos;)
            line.replace(at, 1, line[at] == '\r' ? "\\r" : "\\n");
        std::printf("%s\n", line.c_str());
    }
    std::printf("club %d, first in rating %s\n", int(data->ClubCount),
                data->Rating[1].Name.text().c_str());
    return 0;
}

// The folder as typed: Windows passes a narrow argv in its code page, which may not hold every
// letter of a Cyrillic name.
std::filesystem::path folderArgument(char **argv)
{
#ifdef _WIN32
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::filesystem::path folder(wide[2]);
    LocalFree(wide);
    return folder;
#else
    return argv[2];
#endif
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode == "play")
        return play(folderArgument(argv));
    if (mode == "load")
        return load(folderArgument(argv));
    std::fprintf(stderr, "usage: seededfiles play|load <folder>\n");
    return 2;
}
