#include "coach/coachdemo.h"

#include "coach/movetext.h"
#include "game/dicegame.h"

#include <algorithm>

void CoachDemo::run(unsigned pace)
{
    m_running = true;
    if (m_looping)
        return;
    m_looping = true;
    while (m_running && m_game.inProgress()) {
        m_own = m_game.screen().status;
        m_game.showAdvice(announcement());
        m_waiting = true;
        const bool going = m_game.pause(pace);
        m_waiting = false;
        if (!going || !m_running)
            break;
        move();
    }
    m_looping = false;
    m_running = false;
}

void CoachDemo::stop()
{
    if (!m_running)
        return;
    m_running = false;
    if (m_waiting)
        m_game.showAdvice(m_own);
}

std::string CoachDemo::announcement()
{
    if (!m_game.humanTurn())
        return "Показ: «" + m_game.screen().goButton.caption + "» (Esc - играть самому)";
    const auto moves = m_coach.advise(m_game.moment());
    if (moves.empty())
        return {};
    return "Показ: " + MoveText(moves[0]) + " (в среднем " + PointsText(moves[0].expected) + ")";
}

void CoachDemo::move()
{
    if (!m_game.humanTurn() || m_game.throwCounter() == 0)
        return m_game.go();
    const auto moves = m_coach.advise(m_game.moment());
    if (moves.empty())
        return;
    const CoachMove best = moves[0];
    m_game.unwatched([&] {
        const bool keep = best.kind == CoachMove::Kind::Keep;
        if (keep)
            holdFor(best.keep);
        // After the third throw "Хватит" comes before the write.
        if (keep || m_game.screen().elseButton.enabled)
            m_game.go();
        if (!keep || best.keep.size() == 5)
            m_game.write(best.combination, false);
    });
}

void CoachDemo::holdFor(const std::vector<uint8_t> &keep)
{
    std::vector<uint8_t> wanted = keep;
    for (uint8_t face : m_game.moment().kept)
        wanted.erase(std::find(wanted.begin(), wanted.end(), face));
    for (int position = m_game.keptCount() + 1; position <= 5; ++position) {
        const auto found = std::find(wanted.begin(), wanted.end(), m_game.dieFace(position));
        const bool hold = found != wanted.end();
        if (hold)
            wanted.erase(found);
        if (hold != m_game.dieHeld(position))
            m_game.toggleDie(position);
    }
}
