#include "game/dicegame.h"

#include "data/datafiles.h"
#include "game/computerplayer.h"
#include "game/gameview.h"
#include "game/scoring.h"
#include "platform/clock.h"
#include "platform/messageboxes.h"
#include "platform/programtitle.h"
#include "platform/randomsource.h"

namespace
{

constexpr int kThrows = 3;
// What the throw counter reads between turns.
constexpr int kBetweenTurns = 5;

const char *const kStatusStart = "Нажмите \"Начать\" для начала игры";
const char *const kStatusNext = "Нажмите \"Дальше\" для продолжения игры";
const char *const kStatusOk = "Нажмите \"Ok\" для начала хода";
const char *const kStatusChoose = "Выберите кости и нажмите \"Еще\"(\"Хватит\")";
const char *const kStatusEnough = "Нажмите \"Хватит\" для записи выбранной комбинации";
const char *const kStatusWrite = "Нажмите на кнопку с \"рукой\" чтобы записать(списать) комбинацию";
const char *const kAgain = "Еще";
const char *const kEnough = "Хватит";

} // namespace

DiceGame::DiceGame(Services services, GameView &view)
    : m_data(services.data), m_files(services.files), m_random(services.random),
      m_boxes(services.boxes), m_clock(services.clock), m_view(view)
{
}

DiceGame::Result DiceGame::PlayGame(const GameSetup &setup)
{
    start(setup);
    if (setup.show)
        m_view.runUntilOver();
    return finish();
}

void DiceGame::start(const GameSetup &setup)
{
    m_setup = setup;
    m_data.gameRunning = true;
    m_quit = false;
    m_unwatched = false;
    m_undo.clear();
    m_draws.clear();
    for (GamePlayer &player : m_setup.players)
        player.sheet = {};
    if (!m_setup.show) {
        playComputersOnly();
        m_data.gameRunning = false;
        return;
    }
    if (!m_setup.practice) {
        MarkGameRunning(m_data, players(), playerCount());
        m_files.SaveRating();
    }
    resetScreen(m_setup.caption);
    m_turn = 0;
    m_current = playerCount();
    m_phase = TurnPhase::BetweenTurns;
    m_kept = 5;
    m_view.refresh();
}

DiceGame::Result DiceGame::finish()
{
    Result result;
    result.quit = m_quit;
    m_setup.watcher = nullptr;
    m_setup.hints = {};
    m_setup.demonstration = nullptr;
    if (m_setup.practice)
        return result;
    result.recordsChanged =
        BookGame(m_data, players(), playerCount(), m_quit, m_setup.difficulty, m_clock.today());
    m_files.SaveRating();
    if (result.recordsChanged)
        m_files.SaveRecords();
    return result;
}

void DiceGame::unwatched(const std::function<void()> &moves)
{
    const bool before = m_unwatched;
    m_unwatched = true;
    moves();
    m_unwatched = before;
}

void DiceGame::playComputersOnly()
{
    for (int turn = 1; turn <= kCombinations; ++turn) {
        for (int p = 1; p <= playerCount(); ++p) {
            GamePlayer &player = m_setup.players[p];
            const int bonus = m_random.uniform(1, kBonusDraws);
            ComputerMove(player.sheet, bonus, m_setup.difficulty, player.level, m_random);
        }
    }
}

void DiceGame::resetScreen(const std::string &caption)
{
    m_standings = {};
    m_previous = {};
    m_screen = GameScreen{};
    for (auto &picture : m_screen.writePicture)
        picture = GameScreen::WritePicture::Write;
    for (auto &arrow : m_screen.arrow)
        arrow = GameScreen::Arrow::Down;
    m_screen.caption = std::string(kProgramTitle) + " - " + caption;
    m_screen.difficulty = std::to_string(m_setup.difficulty);
    m_screen.goButton = {"Начать", true};
    m_screen.elseButton = {kAgain, false};
    m_screen.status = kStatusStart;
    m_dieSound = true;
}

int32_t DiceGame::CombCheck(int combination) const
{
    return ::CombCheck(m_hand, uint8_t(throwCounter()), combination);
}

int DiceGame::throwCounter() const
{
    return m_phase == TurnPhase::BetweenTurns ? kBetweenTurns : m_throws;
}

void DiceGame::go()
{
    m_busy = true;
    for (auto &enabled : m_screen.dieEnabled)
        enabled = false;
    for (auto &enabled : m_screen.writeEnabled)
        enabled = false;
    m_screen.goButton.enabled = false;
    m_screen.elseButton.enabled = false;
    m_screen.allEnabled = false;
    m_screen.compTurnVisible = false;
    m_screen.diceClickable = false;

    switch (m_phase) {
    case TurnPhase::BetweenTurns:
        nextPlayer();
        break;
    case TurnPhase::BeforeFirstThrow:
        throwStep();
        break;
    case TurnPhase::Throwing:
        if (m_throws == kThrows) {
            writeStep();
            break;
        }
        reportHeldDice();
        throwStep();
        break;
    case TurnPhase::Writing:
        writeStep();
        break;
    }
    m_busy = false;
    m_view.refresh();
}

void DiceGame::reportHeldDice()
{
    MoveWatcher *const heard = watcher();
    if (!heard)
        return;
    std::vector<uint8_t> held;
    for (int position = m_kept + 1; position <= 5; ++position) {
        if (m_held[position])
            held.push_back(m_faces[position]);
    }
    heard->keepChosen(m_current, m_turn, moment(), held);
}

void DiceGame::drawDie(bool show, uint8_t face, int row, int column)
{
    auto &cells = row == kUpperRow ? m_screen.upperRow : m_screen.lowerRow;
    cells[column] = show ? face : 0;
}

void DiceGame::clearDice()
{
    m_screen.upperRow = {};
    m_screen.lowerRow = {};
}

bool DiceGame::pause(unsigned ms)
{
    m_view.refresh();
    m_view.waitMs(ms);
    return m_data.gameRunning;
}

void DiceGame::throwStep()
{
    keepHeldDice();
    if (m_kept == 5) {
        writeStep();
        return;
    }
    if (KeptDiceGivenBack(m_throws, m_kept))
        giveBackKeptDie();
    const bool last = m_throws + 1 == kThrows;
    if (!throwFreeDice(last))
        return;
    if (last) {
        if (!keepLastThrow())
            return;
    } else {
        offerHolding();
    }
    m_screen.goButton.enabled = false;
    m_screen.elseButton.enabled = true;
    ++m_throws;
    m_phase = TurnPhase::Throwing;
}

// The dice held since the throw join the kept hand at its next places; the rest leave the table.
void DiceGame::keepHeldDice()
{
    const int free = m_kept;
    for (int position = free + 1; position <= 5; ++position) {
        if (m_held[position]) {
            ++m_kept;
            m_hand[m_kept] = m_faces[position];
            drawDie(false, 0, kLowerRow, position);
            drawDie(true, m_faces[position], kLowerRow, m_kept);
        } else {
            drawDie(false, 0, kUpperRow, position);
        }
    }
}

void DiceGame::giveBackKeptDie()
{
    m_kept = 0;
    drawDie(false, 0, kLowerRow, 1);
}

// One die after the other, each with its sound; false when the game ended meanwhile. The dice of
// the last throw cannot be held.
bool DiceGame::throwFreeDice(bool last)
{
    for (int position = m_kept + 1; position <= 5; ++position) {
        if (!pause(kDiePause))
            return false;
        m_view.playSound(ShowCubeSound);
        m_faces[position] = nextFace();
        m_held[position] = false;
        drawDie(true, m_faces[position], kUpperRow, position);
        m_screen.arrow[position] = GameScreen::Arrow::Down;
        m_screen.dieEnabled[position] = !last;
    }
    return true;
}

// After the last throw all dice move down into the hand where they lie; false when the game
// ended meanwhile.
bool DiceGame::keepLastThrow()
{
    if (!pause(kDiePause))
        return false;
    m_view.playSound(MoveCubeSound);
    for (int position = m_kept + 1; position <= 5; ++position) {
        drawDie(false, 0, kUpperRow, position);
        drawDie(true, m_faces[position], kLowerRow, position);
        m_hand[position] = m_faces[position];
    }
    m_kept = 5;
    m_screen.elseButton.caption = kEnough;
    m_screen.status = kStatusEnough;
    return true;
}

void DiceGame::offerHolding()
{
    m_screen.elseButton.caption = kAgain;
    m_screen.status = kStatusChoose;
    m_screen.diceClickable = true;
    m_screen.allEnabled = true;
}

void DiceGame::writeStep()
{
    m_phase = TurnPhase::Writing;
    m_screen.status = kStatusWrite;
    const ScoreSheet &sheet = m_setup.players[m_current].sheet;
    const auto values = CombCheckAll(m_hand, uint8_t(m_throws));
    for (int c = 1; c <= kCombinations; ++c) {
        const bool open = sheet[c] == 0;
        m_screen.writePicture[c] = !open || values[c] >= 1 ? GameScreen::WritePicture::Write
                                                           : GameScreen::WritePicture::Strike;
        m_screen.writeEnabled[c] = open;
    }
    m_screen.goButton.enabled = false;
    m_screen.elseButton.enabled = false;
}

void DiceGame::nextPlayer()
{
    ++m_current;
    if (m_current > playerCount()) {
        m_previous = m_standings;
        m_current = 1;
        ++m_turn;
        if (m_turn > kCombinations) {
            m_data.gameRunning = false;
            m_view.gameOver();
            return;
        }
        m_screen.turn = std::to_string(m_turn);
    }
    GamePlayer &player = m_setup.players[m_current];
    m_screen.player = player.name.text();
    showSheet();
    m_bonus = player.isHuman() ? draws().bonus : m_random.uniform(1, kBonusDraws);

    if (!player.isHuman()) {
        const auto move =
            ComputerMove(player.sheet, m_bonus, m_setup.difficulty, player.level, m_random);
        m_screen.compTurn = ComputerMoveText(player.name, move.value);
        m_screen.compTurnVisible = true;
        m_screen.writePicture[move.combination] = GameScreen::WritePicture::Write;
        m_screen.writeEnabled[move.combination] = true;
        showCell(move.combination, move.value, move.colour);
        showTotal();
    }
    if (m_bonus <= kCombinations && player.sheet[m_bonus] == 0)
        m_screen.cells[m_bonus] = {"БОНУС", CellColour::White};
    rankAndShowPlace();

    if (!player.isHuman()) {
        betweenTurns();
        return;
    }
    m_screen.compTurn = player.name.text() + ", Ваш ход!";
    m_screen.compTurnVisible = true;
    m_phase = TurnPhase::BeforeFirstThrow;
    m_throws = 0;
    m_kept = 0;
    m_faces = {};
    m_hand = {};
    m_held = {};
    m_facesUsed = 0;
    m_screen.goButton = {"Ok", true};
    m_screen.status = kStatusOk;
    m_screen.elseButton.enabled = false;
    m_view.playSound(YourTurnSound);
}

void DiceGame::betweenTurns()
{
    m_phase = TurnPhase::BetweenTurns;
    m_screen.goButton = {"Дальше", true};
    m_screen.status = kStatusNext;
    m_screen.elseButton.enabled = false;
}

void DiceGame::showSheet()
{
    const ScoreSheet &sheet = m_setup.players[m_current].sheet;
    for (int c = 1; c <= kCombinations; ++c) {
        const int32_t value = sheet[c];
        showCell(c, value, value > 0 ? CellColour::Green : CellColour::Navy);
    }
    showTotal();
}

void DiceGame::showCell(int combination, int32_t value, CellColour colour)
{
    m_screen.cells[combination] = {value == 0 ? std::string() : std::to_string(value), colour};
}

void DiceGame::showTotal()
{
    m_screen.cells[kTotalCell].text = std::to_string(m_setup.players[m_current].sheet[kTotalCell]);
}

void DiceGame::rankAndShowPlace()
{
    m_standings = RankPlayers(players(), playerCount());
    m_screen.place = std::to_string(PlaceOf(m_standings, playerCount(), m_current)) + "(" +
                     std::to_string(PlaceOf(m_previous, playerCount(), m_current)) + ")";
    m_screen.standingsShown = true;
}

void DiceGame::toggleDie(int position)
{
    if (!m_screen.dieEnabled[position])
        return;
    if (m_dieSound)
        m_view.playSound(MoveCubeSound);
    if (m_held[position]) {
        m_held[position] = false;
        drawDie(false, 0, kLowerRow, position);
        drawDie(true, m_faces[position], kUpperRow, position);
        m_screen.elseButton.caption = kAgain;
        m_screen.arrow[position] = GameScreen::Arrow::Down;
    } else {
        m_held[position] = true;
        drawDie(false, 0, kUpperRow, position);
        drawDie(true, m_faces[position], kLowerRow, position);
        bool anyFree = false;
        for (int p = m_kept + 1; p <= 5; ++p)
            anyFree = anyFree || !m_held[p];
        if (!anyFree)
            m_screen.elseButton.caption = kEnough;
        m_screen.arrow[position] = GameScreen::Arrow::Up;
    }
    m_view.refresh();
}

void DiceGame::clickDieCell(int row, int column)
{
    if (!m_screen.diceClickable || column <= m_kept)
        return;
    if ((row == kUpperRow && !m_held[column]) || (row == kLowerRow && m_held[column]))
        toggleDie(column);
}

void DiceGame::holdAll()
{
    if (!m_screen.allEnabled)
        return;
    m_dieSound = false;
    for (int position = m_kept + 1; position <= 5; ++position) {
        if (!m_held[position])
            toggleDie(position);
    }
    m_view.playSound(MoveCubeSound);
    m_dieSound = true;
}

void DiceGame::write(int combination, bool askToStrike)
{
    GamePlayer &player = m_setup.players[m_current];
    if (!m_screen.writeEnabled[combination] || player.sheet[combination] != 0)
        return;
    const int32_t value = CombCheck(combination);
    if (value < 0 && askToStrike && !m_boxes.askYesNo("Вы хотите списать?"))
        return;
    if (m_setup.practice)
        m_undo.push_back(state());
    if (MoveWatcher *const heard = watcher())
        heard->writeChosen(m_current, m_turn, moment(), combination);
    for (int c = 1; c <= kCombinations; ++c) {
        if (m_screen.writeEnabled[c]) {
            m_screen.writePicture[c] = GameScreen::WritePicture::Write;
            m_screen.writeEnabled[c] = false;
        }
    }
    CellColour colour;
    const int32_t written = FillCell(player.sheet, combination, value, m_bonus, &colour);
    m_view.playSound(written < 0 ? DownWriteSound : WriteSound);
    showCell(combination, written, colour);
    showTotal();
    rankAndShowPlace();
    clearDice();
    betweenTurns();
    m_view.refresh();
}

bool DiceGame::requestClose()
{
    if (!m_data.gameRunning)
        return true;
    if (!m_setup.practice &&
        !m_boxes.askYesNo("Выйти из игры?\r\nЭто отрицательно скажется на ваших показателях."))
        return false;
    m_quit = true;
    m_data.gameRunning = false;
    m_view.gameOver();
    return true;
}

DiceGame::TurnDraws &DiceGame::draws()
{
    TurnDraws &drawn = m_draws[{m_current, m_turn}];
    if (drawn.bonus == 0)
        drawn.bonus = m_random.uniform(1, kBonusDraws);
    return drawn;
}

uint8_t DiceGame::nextFace()
{
    std::vector<uint8_t> &faces = draws().faces;
    if (m_facesUsed == faces.size())
        faces.push_back(uint8_t((m_random.below(36) + 1) % 6 + 1));
    return faces[m_facesUsed++];
}

bool DiceGame::canUndo() const
{
    return m_setup.practice && m_data.gameRunning && !m_busy && !m_undo.empty();
}

void DiceGame::undo()
{
    if (!canUndo())
        return;
    state() = m_undo.back();
    m_undo.pop_back();
    if (MoveWatcher *const heard = watcher())
        heard->takenBack(m_current, m_turn);
    m_view.refresh();
}

bool DiceGame::inProgress() const
{
    return m_data.gameRunning;
}

bool DiceGame::humanTurn() const
{
    return m_current >= 1 && m_current <= playerCount() && players()[m_current].isHuman() &&
           m_phase != TurnPhase::BetweenTurns;
}

void DiceGame::showAdvice(const std::string &text)
{
    m_screen.status = text;
    m_view.refresh();
}

TurnMoment DiceGame::moment() const
{
    TurnMoment moment;
    if (m_current < 1 || m_current > playerCount())
        return moment;
    moment.sheet = m_setup.players[m_current].sheet;
    moment.bonus = m_bonus;
    if (m_phase == TurnPhase::BetweenTurns)
        return moment;
    moment.throwNumber = m_throws;
    for (int position = 1; position <= m_kept; ++position)
        moment.kept.push_back(m_hand[position]);
    if (m_throws >= 1) {
        for (int position = m_kept + 1; position <= 5; ++position)
            moment.thrown.push_back(m_faces[position]);
    }
    return moment;
}
