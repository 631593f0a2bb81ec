#pragma once

#include "competition/groups.h"

#include <cstdint>
#include <string>
#include <vector>

struct RoundServices;
struct TSaveSlot;

// One championship round behind the round window: the three groups, already distributed, play
// one after another with "Дальше"; the results stay in Groups until the round is over.
class ChampionshipRound
{
public:
    // The round plays slot (1..10) from start to end, whatever becomes current meanwhile; the
    // places before the round are taken now.
    ChampionshipRound(RoundServices &services, int slot);

    // "Дальше": plays the next group, or ends the round after the third ("Конец тура").
    void next();
    // The window is being closed: true when it may hide (the round is then broken off).
    bool requestClose();

    std::string buttonCaption() const;
    bool nextEnabled() const;
    // 0..3 while the round runs, 4 once it is over.
    int groupsPlayed() const { return m_over ? 4 : m_played; }
    bool over() const { return m_over; }
    bool brokenOff() const { return m_brokenOff; }

    // One line of a group in the round window.
    struct Row {
        std::string name;
        bool clubMember = false;
        std::string place; // championship place before the round, " N место"
        // Filled once the group has played.
        bool played = false;
        std::string balls, score, diff;
        bool diffNegative = false;
    };
    // The lines of group (1..3): by game score once it has played, by place before.
    std::vector<Row> rows(int group);

private:
    TSaveSlot &slot() const;
    void playGroup(int group);

    RoundServices &m_services;
    int m_slot;
    ChamPlaces m_places;
    int m_played = 0; // groups whose game counts for the round
    bool m_over = false;
    bool m_brokenOff = false;
    bool m_enabled = true;
};

// What the round window does for a round.
class RoundWindow
{
public:
    virtual ~RoundWindow() = default;
    // Shows the round under caption and handles events until the round is over; returns
    // whether it was broken off.
    virtual bool playRound(ChampionshipRound &round, const std::string &caption) = 0;
    // Whether a round is being played in the window now.
    virtual bool busy() const = 0;
};

struct ChampionshipOutcome {
    // The round window was shown: the record tables, the standings and the rating are to be
    // redrawn whatever came of it.
    bool played = false;
    // The round was completed and added to the championship.
    bool counted = false;
};

// One press of the championship's "Продолжить": distributes the groups, plays them in the
// window and adds the completed round to the slot. Nothing happens while a game or a round
// runs, or without a playable unfinished championship.
ChampionshipOutcome PlayChampionshipRound(RoundServices &s, RoundWindow &window, bool clubTogether);
