#include "competition/slotlines.h"
#include "competition/slotrules.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

TSaveSlot tournament()
{
    TSaveSlot slot{};
    slot.IsCham = 0;
    slot.Title = Str21::fromText("Весенний");
    slot.Tur.RoundsPlayed = 3;
    slot.Tur.RoundsTotal = 20;
    slot.Tur.Difficulty = 6;
    slot.Tur.ParticipantCount = 7;
    slot.Tur.HumanCount = 2;
    return slot;
}

TSaveSlot championship()
{
    TSaveSlot slot{};
    slot.IsCham = 1;
    slot.Title = Str21::fromText("Кубок мира");
    slot.Cham.RoundsPlayed = 0;
    slot.Cham.RoundsTotal = 10;
    slot.Cham.Difficulty = 1;
    slot.Cham.ParticipantCount = 21;
    slot.Cham.HumanCount = 0;
    slot.Cham.ClubTogether = 1;
    return slot;
}

struct Change {
    const char *what;
    std::function<void(TSaveSlot &)> apply;
};

// Applies each change to a fresh copy of base and expects the given playability.
void expectPlayable(const TSaveSlot &base, const std::vector<Change> &changes, bool playable)
{
    for (const Change &change : changes) {
        TSaveSlot slot = base;
        change.apply(slot);
        EXPECT_EQ(SlotPlayable(slot), playable) << change.what;
        EXPECT_TRUE(SlotOccupied(slot)) << change.what;
    }
}

} // namespace

TEST(SlotLines, ShowTitleAndKindOrEmpty)
{
    TSaveSlot empty{};
    EXPECT_EQ(SlotLine(empty), "<Пусто>");
    // Bytes left behind in an emptied slot do not make it occupied.
    empty.IsCham = 1;
    empty.Cham.ParticipantCount = 12;
    EXPECT_EQ(SlotLine(empty), "<Пусто>");
    EXPECT_EQ(SlotLine(tournament()), "Весенний(Турн.)");
    EXPECT_EQ(SlotLine(championship()), "Кубок мира(Чемп.)");

    // A crafted slot is listed by its title and kind mark, but is never playable.
    TSaveSlot crafted = tournament();
    crafted.Tur.ParticipantCount = 11;
    EXPECT_EQ(SlotLine(crafted), "Весенний(Турн.)");
    EXPECT_FALSE(SlotPlayable(crafted));
    crafted = championship();
    crafted.Cham.Difficulty = 0;
    EXPECT_EQ(SlotLine(crafted), "Кубок мира(Чемп.)");
    EXPECT_FALSE(SlotPlayable(crafted));
    crafted.IsCham = 2;
    EXPECT_EQ(SlotLine(crafted), "Кубок мира");
    EXPECT_FALSE(SlotPlayable(crafted));
}

TEST(SlotRules, TournamentLimitsAreKeptAtBothEnds)
{
    expectPlayable(
        tournament(),
        {{"as created", [](TSaveSlot &) {}},
         {"2 participants", [](TSaveSlot &s) { s.Tur.ParticipantCount = 2; }},
         {"10 participants", [](TSaveSlot &s) { s.Tur.ParticipantCount = 10; }},
         {"10 rounds", [](TSaveSlot &s) { s.Tur.RoundsTotal = 10; }},
         {"30 rounds", [](TSaveSlot &s) { s.Tur.RoundsTotal = 30; }},
         {"finished", [](TSaveSlot &s) { s.Tur.RoundsPlayed = 20; }},
         {"difficulty 1", [](TSaveSlot &s) { s.Tur.Difficulty = 1; }},
         {"difficulty 10", [](TSaveSlot &s) { s.Tur.Difficulty = 10; }},
         {"10 humans", [](TSaveSlot &s) { s.Tur.HumanCount = 10; }},
         {"title of 20", [](TSaveSlot &s) { s.Title = Str21::fromText("12345678901234567890"); }}},
        true);
    expectPlayable(
        tournament(),
        {{"kind 2", [](TSaveSlot &s) { s.IsCham = 2; }},
         {"1 participant", [](TSaveSlot &s) { s.Tur.ParticipantCount = 1; }},
         {"11 participants", [](TSaveSlot &s) { s.Tur.ParticipantCount = 11; }},
         {"5 rounds", [](TSaveSlot &s) { s.Tur.RoundsTotal = 5; }},
         {"12 rounds", [](TSaveSlot &s) { s.Tur.RoundsTotal = 12; }},
         {"35 rounds", [](TSaveSlot &s) { s.Tur.RoundsTotal = 35; }},
         {"played beyond total", [](TSaveSlot &s) { s.Tur.RoundsPlayed = 21; }},
         {"difficulty 0", [](TSaveSlot &s) { s.Tur.Difficulty = 0; }},
         {"difficulty 11", [](TSaveSlot &s) { s.Tur.Difficulty = 11; }},
         {"11 humans", [](TSaveSlot &s) { s.Tur.HumanCount = 11; }},
         {"title of 21", [](TSaveSlot &s) { s.Title = Str21::fromText("123456789012345678901"); }}},
        false);
}

TEST(SlotRules, ChampionshipLimitsAreKeptAtBothEnds)
{
    expectPlayable(championship(),
                   {{"as created", [](TSaveSlot &) {}},
                    {"12 participants", [](TSaveSlot &s) { s.Cham.ParticipantCount = 12; }},
                    {"30 participants", [](TSaveSlot &s) { s.Cham.ParticipantCount = 30; }},
                    {"30 rounds", [](TSaveSlot &s) { s.Cham.RoundsTotal = 30; }},
                    {"finished", [](TSaveSlot &s) { s.Cham.RoundsPlayed = 10; }},
                    {"difficulty 10", [](TSaveSlot &s) { s.Cham.Difficulty = 10; }},
                    {"10 humans", [](TSaveSlot &s) { s.Cham.HumanCount = 10; }},
                    {"club apart", [](TSaveSlot &s) { s.Cham.ClubTogether = 0; }}},
                   true);
    expectPlayable(championship(),
                   {{"kind 2", [](TSaveSlot &s) { s.IsCham = 2; }},
                    {"kind 255", [](TSaveSlot &s) { s.IsCham = 255; }},
                    {"11 participants", [](TSaveSlot &s) { s.Cham.ParticipantCount = 11; }},
                    {"13 participants", [](TSaveSlot &s) { s.Cham.ParticipantCount = 13; }},
                    {"33 participants", [](TSaveSlot &s) { s.Cham.ParticipantCount = 33; }},
                    {"5 rounds", [](TSaveSlot &s) { s.Cham.RoundsTotal = 5; }},
                    {"12 rounds", [](TSaveSlot &s) { s.Cham.RoundsTotal = 12; }},
                    {"35 rounds", [](TSaveSlot &s) { s.Cham.RoundsTotal = 35; }},
                    {"played beyond total", [](TSaveSlot &s) { s.Cham.RoundsPlayed = 11; }},
                    {"difficulty 0", [](TSaveSlot &s) { s.Cham.Difficulty = 0; }},
                    {"difficulty 11", [](TSaveSlot &s) { s.Cham.Difficulty = 11; }},
                    {"11 humans", [](TSaveSlot &s) { s.Cham.HumanCount = 11; }},
                    {"check box 2", [](TSaveSlot &s) { s.Cham.ClubTogether = 2; }}},
                   false);
}
